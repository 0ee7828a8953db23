// A table opened the way the program works with it: the .DBF and its memo file, its structural
// compound index, the expression compiler and the query, wired together. The index and the
// query listen to the table; the query's filter and the chosen tag steer the table's cursor.
//
// Entry points: open(); table() for records and moves; setOrder()/seek() for tags;
// setCondition()/count() for the record set; createTags(), deleteIndex() and pack() for upkeep.
//
// Contract: one thread. A structural index that is missing or damaged does not stop the open:
// indexProblem() then says why and index() is null, so the caller can offer a rebuild.
// Counting and building read records beside the cursor (DbfTable::peek), never moving it.
#pragma once

#include "CdxIndex.h"
#include "DbfTable.h"
#include "IndexRecordSource.h"
#include "Query.h"
#include "RecordScanner.h"
#include "XbaseError.h"
#include "XbaseExpressionCompiler.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {

struct WorkAreaOptions {
    bool readOnly = false;
    bool exclusive = true;
    bool openIndex = true;     // open the structural .CDX when the table has one
    bool hideFlagged = false;  // moves pass over delete-flagged records
};

class WorkArea final : private IndexRecordSource, private RecordScanner {
public:
    using Progress = std::function<void(int percent)>;

    static std::unique_ptr<WorkArea> open(FileSystem& fs, const std::string& path, WorkAreaOptions options = {});
    ~WorkArea() override;
    WorkArea(const WorkArea&) = delete;
    WorkArea& operator=(const WorkArea&) = delete;

    DbfTable& table() { return *table_; }
    const DbfTable& table() const { return *table_; }
    XbaseExpressionCompiler& compiler() { return compiler_; }
    void close();

    // --- the structural index
    CdxIndex* index() { return index_.get(); }
    const std::string& indexProblem() const { return indexProblem_; }
    std::string indexPath() const { return index_ ? index_->path() : std::string(); }
    // Creates an empty structural index (replacing any) and marks the table as having one.
    CdxIndex& createIndex();
    // Closes the index and deletes its file; the table no longer claims one.
    void deleteIndex();
    // Builds tags in the structural index, creating it first when there is none. Reads the
    // table as few times as memory allows; progress runs 0..100 per tag.
    void createTags(const std::vector<TagSpec>& specs, const Progress& progress = {});
    size_t tagNumber(std::string_view name) const;
    std::string tagName(size_t number) const;
    // 0 = record order. The record set's filter stays in force.
    void setOrder(size_t number);
    size_t order() const { return index_ ? index_->orderNumber() : 0; }
    // An order from outside the structural index (a result set's single index) that takes the
    // place of the tag order until cleared with nullptr or replaced by setOrder(). The record
    // set's filter stays in force. The caller keeps it alive while installed.
    void setExternalOrder(RecordOrder* order);
    RecordOrder* externalOrder() const { return externalOrder_; }
    void setExact(bool exact);
    bool exact() const { return exact_; }
    void setSoftSeek(bool soft) { soft_ = soft; }
    // Seeks the key in the current order and stands on the record found (or, with soft seek,
    // the next higher key; else at the end). True when the key was found.
    bool seek(std::string_view key);

    // --- the record set
    // Installs a condition as the table's filter (validated first; empty clears it).
    void setCondition(std::string_view condition);
    const std::string& condition() const { return query_->condition(); }
    void validate(std::string_view condition) const { query_->validate(condition); }
    // Records in the set (delete-flagged ones left out while hidden).
    uint32_t count();
    bool test(std::string_view condition);
    std::string evaluateText(std::string_view expression);

    // --- upkeep
    // Removes delete-flagged records for good, then rebuilds the open index.
    void pack(const Progress& progress = {});
    void zap();
    // Whole-index verification: empty when sound. Includes the index problem found at open.
    std::vector<std::string> checkIndex(size_t maxFaults = 20);

private:
    WorkArea(FileSystem& fs, std::unique_ptr<DbfTable> table);
    void attachIndex(std::unique_ptr<CdxIndex> index);
    void detachIndex();
    void installOrderAndFilter();
    void rewrite(const std::function<void()>& work);

    // IndexRecordSource and RecordScanner: records are read through the table's cursor.
    const RecordView& layout() const override { return *table_; }
    uint32_t recordCount() const override { return table_->recordCount(); }
    void forEachRecord(const std::function<void(const RecordView&)>& visit) override;
    const RecordView& readRecord(uint32_t recno) override;
    bool flaggedRecordsHidden() const override { return table_->flaggedHidden(); }
    RecordOrder* currentOrder() override { return index_ ? index_->currentTag() : nullptr; }
    KeyRangeSource* keyRanges() override { return index_.get(); }

    class PeekView;

    FileSystem& fs_;
    std::unique_ptr<DbfTable> table_;
    XbaseExpressionCompiler compiler_;
    std::unique_ptr<CdxIndex> index_;
    std::unique_ptr<PeekView> peekView_;
    std::unique_ptr<Query> query_;
    std::string indexProblem_;
    RecordOrder* externalOrder_ = nullptr;
    bool exact_ = false;
    bool soft_ = false;
};

} // namespace xbase

// A compound index file (.CDX): a directory of named tags, each a key tree, in 512-byte
// pages. It keeps every tag in step with the table (as the table's listener), supplies the
// current order for the table's cursor, seeks and scopes in that order, and answers key
// ranges for the query optimiser.
//
// Entry points: open() an existing file, create() an empty one, createTag()/createTags() to
// build tags (bulk, bottom-up), setOrder() to choose the order, check() to verify it all.
// A missing or damaged file throws InvalidIndexError, so the caller can offer a rebuild; so
// does a file still marked as being written (a process stopped between its commits).
//
// Changed pages are held in memory and written at commit() (which the table's commit calls
// through tableCommitted), or early when too many are held. Tag builds, deletes and rebuilds
// commit on their own.
//
// Contract: the file system, compiler and record source outlive the index; the source's
// layout is the table's. recordWritten may read the table through the source (only when a
// unique tag loses the record that held a key), so the table's records must be readable then. The table registers the index as its listener and installs
// order() as its RecordOrder after every setOrder().
#pragma once

#include "CdxTag.h"
#include "KeyRangeSource.h"
#include "TableListener.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {

class CdxPageStore;
class CdxTree;
class FileSystem;
class IndexRecordSource;

struct TagSpec {
    std::string name;
    std::string keyExpression;
    std::string forExpression; // empty: every record
    bool descending = false;
    bool unique = false;
};

class CdxIndex final : public TableListener, public KeyRangeSource {
public:
    using Progress = std::function<void(int percent)>;

    static std::unique_ptr<CdxIndex> open(FileSystem& fs, const std::string& path, const ExpressionCompiler& compiler,
                                          IndexRecordSource& source);
    // Creates the file with an empty tag directory (replacing any file of that name).
    static std::unique_ptr<CdxIndex> create(FileSystem& fs, const std::string& path,
                                            const ExpressionCompiler& compiler, IndexRecordSource& source);
    // The structural index of a table: its base name with .CDX (case of the extension kept).
    static std::string pathForTable(const std::string& tablePath);
    static void remove(FileSystem& fs, const std::string& path);

    ~CdxIndex() override;

    const std::string& path() const { return path_; }
    size_t tagCount() const { return tags_.size(); }
    // Tags are numbered from 1 in creation order.
    CdxTag& tag(size_t number);
    size_t tagNumber(std::string_view name) const; // 0 when absent

    // Builds the tag from the table's records; it becomes the order. A tag of the same name is
    // replaced. Progress: percent of this tag.
    void createTag(const TagSpec& spec, const Progress& progress = {});
    // Builds several tags reading the table as few times as memory allows; the last becomes
    // the order. Progress runs from 0 to 100 once per tag, in the order given.
    void createTags(const std::vector<TagSpec>& specs, const Progress& progress = {});
    void deleteTag(std::string_view name);
    // Rebuilds every tag from the records into a fresh file put in place of this one.
    void reindex(const Progress& progress = {});

    // 0 = record order (nullptr). Throws XbaseError for a number out of range.
    RecordOrder* setOrder(size_t number);
    size_t orderNumber() const { return order_; }
    CdxTag* currentTag() { return order_ ? tags_[order_ - 1].get() : nullptr; }

    void setExact(bool exact) { exact_ = exact; }
    void setSoftSeek(bool soft) { soft_ = soft; }
    // Seeks in the current order; without one nothing is found.
    SeekResult seek(std::string_view key);
    bool found() const { return found_; }
    void setScope(const KeyBound& top, const KeyBound& bottom);
    uint32_t keyCount();

    // Writes every held page, syncs and clears the being-written mark.
    void commit();
    // Caps the pages held between commits (tests).
    void setHeldPageLimit(size_t pages);
    uint64_t pagesWritten() const;

    // Verifies pages, order, links and every key against the records; empty when sound.
    std::vector<std::string> check(size_t maxFaults = 20);

    // TableListener
    void recordWritten(uint32_t recno, const uint8_t* oldRecord, const uint8_t* newRecord) override;
    void tableRewritten() override;
    void batchStarting() override;
    void tableCommitted() override { commit(); }

    // KeyRangeSource
    std::vector<TagDescription> tagDescriptions() const override;
    void visitRange(size_t tagIndex, const KeyBound& low, const KeyBound& high,
                    const std::function<void(uint32_t recno)>& visit) override;

private:
    CdxIndex(FileSystem& fs, std::string path, const ExpressionCompiler& compiler, IndexRecordSource& source);
    void load();
    void unload();
    void findNextHolder(CdxTag& tag, const std::string& key);

    FileSystem& fs_;
    std::string path_;
    const ExpressionCompiler& compiler_;
    IndexRecordSource& source_;
    std::unique_ptr<CdxPageStore> store_;
    std::unique_ptr<CdxTree> directory_;
    std::vector<std::unique_ptr<CdxTag>> tags_;
    size_t order_ = 0;
    bool exact_ = false;
    bool soft_ = false;
    bool found_ = false;
    bool touched_ = false;
};

} // namespace xbase

// A single compact index file (.IDX): one key tree with its header at offset 0, named after
// its file. Used for result sets: created empty, filled by explicit key adding of chosen
// records, then set as the table's order. Its owner closes and deletes it.
//
// As a table listener it moves the keys of records it already holds when they change;
// records it does not hold stay out, and a pack or zap empties it. Contract: the file system and compiler outlive it;
// records given to it have the layout it was compiled against.
#pragma once

#include "CdxTag.h"
#include "TableListener.h"

#include <memory>
#include <string>

namespace xbase {

class CdxPageStore;
class IndexRecordSource;
class FileSystem;
class RecordView;

class IdxIndex final : public TableListener {
public:
    static std::unique_ptr<IdxIndex> create(FileSystem& fs, const std::string& path, const std::string& keyExpression,
                                            const ExpressionCompiler& compiler, const RecordView& layout);
    // Creates the file holding the keys of exactly the records `source` visits, built bottom-up
    // in one sorted pass: far quicker than adding a large result set key by key.
    static std::unique_ptr<IdxIndex> build(FileSystem& fs, const std::string& path, const std::string& keyExpression,
                                           const ExpressionCompiler& compiler, IndexRecordSource& source);
    static std::unique_ptr<IdxIndex> open(FileSystem& fs, const std::string& path, const ExpressionCompiler& compiler,
                                          const RecordView& layout);
    static void remove(FileSystem& fs, const std::string& path);
    ~IdxIndex() override;

    const std::string& path() const { return path_; }
    // Adds the key of `record` (the table's current record); false when already present.
    bool addKey(const RecordView& record);
    CdxTag& tag() { return *tag_; }
    RecordOrder& order() { return *tag_; }

    void recordWritten(uint32_t recno, const uint8_t* oldRecord, const uint8_t* newRecord) override;
    void tableRewritten() override;

private:
    IdxIndex(std::string path, const RecordView& layout);

    std::string path_;
    const RecordView& layout_;
    std::unique_ptr<CdxPageStore> store_;
    std::unique_ptr<CdxTag> tag_;
};

} // namespace xbase

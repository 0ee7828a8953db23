// An open .DBF table with its memo file and one cursor. Reads the dBase III, FoxPro 2.x and
// Visual FoxPro dialects (and character fields wider than 255); writes records in place.
//
// Edits go to the current record's buffer and reach the file when the cursor leaves the record,
// on commit() and on close(); listeners hear of each changed record exactly once, then.
// Appends are gathered and written in large batches; the header's record count is brought up
// to date by commit() and close(). Sequential moves in record order read ahead in large blocks.
//
// Contract: the table is used by one thread. Pointers and views it hands out (record(),
// textView()) stay valid until the cursor moves or the record is changed. Installed orders,
// filters and listeners must outlive the table or be removed first.
#pragma once

#include "FileIO.h"
#include "MemoFile.h"
#include "PaddedText.h"
#include "RecordView.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {

class RecordFilter;
class RecordOrder;
class TableListener;

enum class DbfDialect { DBase3, FoxPro2, VisualFoxPro, Other };

struct DbfOpenOptions {
    bool readOnly = false;
    bool exclusive = true; // a second open, here or in another program, fails
};

class DbfTable final : public RecordView {
public:
    static std::unique_ptr<DbfTable> open(FileSystem& fs, const std::string& path, DbfOpenOptions options = {});
    ~DbfTable() override; // commits; errors are lost here, so call close() to see them
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    void commit();
    void close();

    // --- structure
    const std::string& path() const { return path_; }
    const std::vector<FieldDef>& fields() const override { return fields_; }
    int fieldIndex(std::string_view name) const override;
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    const FieldDef& field(int index) const;
    uint32_t recordSize() const override { return recordSize_; }
    uint8_t versionByte() const { return version_; }
    DbfDialect dialect() const;
    uint8_t codePage() const { return codePage_; }
    bool hasStructuralIndex() const;
    void setStructuralIndex(bool present);
    bool hasMemoFile() const { return memo_ != nullptr; }
    uint32_t memoBlockSize() const { return memo_ ? memo_->blockSize() : 0; }
    std::string memoPath() const { return memo_ ? memo_->path() : std::string(); }
    bool isReadOnly() const { return readOnly_; }

    // --- cursor
    uint32_t recordCount() const { return recordCount_; }
    uint32_t recordNumber() const override { return recno_; }
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    void goTop();
    void goBottom();
    // Goes to a record by number regardless of order, filter and hidden flags; a number
    // outside 1..recordCount() leaves the cursor at the end (eof).
    void go(uint32_t recno);
    void skip(long long count = 1);

    void setOrder(RecordOrder* order) { order_ = order; }
    RecordOrder* order() const { return order_; }
    void setFilter(RecordFilter* filter) { filter_ = filter; }
    RecordFilter* filter() const { return filter_; }
    // When on, moves pass over delete-flagged records (off by default).
    void setFlaggedHidden(bool hidden) { flaggedHidden_ = hidden; }
    bool flaggedHidden() const { return flaggedHidden_; }

    // --- values of the current record
    const uint8_t* record() const override { return current_; }
    std::string_view fieldBytes(int index) const;
    // Text without trailing blanks (numbers also without leading ones); logicals as T/F or empty,
    // memos as their text. The view lives until the next move or change, or the next textView
    // of the same field for types stored in binary.
    std::string_view textView(int index) const
    {
        // Plain character fields, the bulk of every scan, are trimmed right here.
        if (static_cast<size_t>(index) < plainText_.size() && plainText_[static_cast<size_t>(index)].width != 0) {
            const PlainText& slot = plainText_[static_cast<size_t>(index)];
            return trimPadding({reinterpret_cast<const char*>(current_) + slot.offset, slot.width}, slot.offset);
        }
        return decodedText(index);
    }
    std::string text(int index) const { return std::string(textView(index)); }
    double number(int index) const;
    bool logical(int index) const;
    std::string dateText(int index) const; // YYYYMMDD or empty
    bool isEmpty(int index) const;
    bool isNull(int index) const;
    std::string memoText(int index) const override;

    // --- reading without the cursor
    // Record `recno` (1..recordCount()) as last written, read ahead through a buffer of its own,
    // so scans by queries and index builds leave the cursor and its edit alone. The bytes live
    // until the next peek or write.
    const uint8_t* peek(uint32_t recno);
    // The memo text of field `index` of a record's bytes (from peek() or a listener).
    std::string memoTextOf(const uint8_t* recordBytes, int index) const;

    // --- edits of the current record
    void setText(int index, std::string_view text);
    void setNumber(int index, double value);
    void setLogical(int index, bool value);
    void setMemo(int index, std::string_view data);
    void putRecord(const uint8_t* bytes); // recordSize() bytes, delete flag first
    void setDeleted(bool flagged);
    void appendBlank();
    // After a failed append: the new record not yet posted is dropped (its memo blocks stay
    // unused), the cursor goes to the end. Nothing happens when the current record is not new.
    void cancelAppend();
    // After a failed commit: appended records that never reached the file are given up, so the
    // table holds exactly what its file holds. Listeners hear that the table was rewritten.
    void abandonUnstoredAppends();

    // --- whole table
    // Removes delete-flagged records for good; progress gets 0..100.
    void pack(const std::function<void(int percent)>& progress = {});
    void zap();
    void addListener(TableListener* listener);
    void removeListener(TableListener* listener);

    // Exclusive use already rules out other writers, so these are always granted.
    bool lockRecord(uint32_t) { return true; }
    void unlock() {}
    void setLockTimeout(int /*seconds*/) {}

private:
    DbfTable(FileSystem& fs, std::string path, DbfOpenOptions options);
    static void recoverInterruptedPack(FileSystem& fs, const std::string& path);
    void openFiles();
    void loadHeader();
    void readFieldDescriptors(uint32_t headerLength);
    void assignNullFlagBits();
    void openMemo();
    void resetCursorState();

    // Cursor internals
    void load(uint32_t recno);
    void setEof();
    bool visible();
    bool filterMayAccept(uint32_t recno);
    // Loads the first visible record from `recno` on, moving by `step`; false when none is left.
    bool stopAtVisible(uint32_t recno, uint32_t (DbfTable::*step)(uint32_t));
    uint32_t firstCandidate();
    uint32_t lastCandidate();
    uint32_t nextCandidate(uint32_t recno);
    void countOrderStep();
    uint32_t previousCandidate(uint32_t recno);
    const uint8_t* storedRecord(uint32_t recno);
    void fillWindow(uint32_t firstRecno);

    // Write internals
    void requireWritable() const;
    uint8_t* editable();
    void commitRecord();
    void flushAppends();
    void writeHeaderCount();
    void startBatch();
    uint64_t recordOffset(uint32_t recno) const
    {
        return headerLength_ + static_cast<uint64_t>(recno - 1) * recordSize_;
    }
    void writeFieldText(const FieldDef& field, std::string_view text);
    void writeNumber(const FieldDef& field, double value);
    uint32_t memoBlock(const FieldDef& field, const uint8_t* bytes) const;
    void putMemoPointer(uint8_t* record, const FieldDef& field, uint32_t block) const;
    void checkIndex(int index) const;
    [[noreturn]] void throwNoSuchField(int index) const;
    std::string_view decodedText(int index) const;
    std::string_view binaryText(int index, const FieldDef& field) const;
    bool nullBitSet(int bit) const;
    void packInto(const std::function<void(int)>& progress);
    void replaceFilesAfterPack();

    FileSystem& fs_;
    std::string path_;
    bool readOnly_;
    bool exclusive_;
    std::unique_ptr<File> file_;
    std::unique_ptr<MemoFile> memo_;

    std::vector<uint8_t> header_; // header_ bytes up to the first record
    std::vector<FieldDef> fields_;
    std::vector<int> nullBit_;    // per field, -1 when not nullable
    std::vector<int> lengthBit_;  // per field, -1 unless a variable-length field
    int nullFlagsField_ = -1;
    uint8_t version_ = 0;
    uint8_t codePage_ = 0;
    uint32_t headerLength_ = 0;
    uint32_t recordSize_ = 0;

    uint32_t recordCount_ = 0;  // every record, the pending appends included
    uint32_t storedCount_ = 0;  // records whose bytes are in the file
    bool headerDirty_ = false;
    bool unsynced_ = false;  // bytes written since the last sync
    bool batchOpen_ = false; // listeners were told of a batch that no commit has ended yet
    std::vector<uint8_t> appendBuffer_; // records storedCount_+1 .. not yet written

    std::vector<uint8_t> window_; // read-ahead of stored records
    std::vector<uint8_t> peekWindow_; // read-ahead of peek(), apart from the cursor's
    uint32_t peekFirst_ = 0;
    uint32_t peekCount_ = 0;
    uint32_t windowFirst_ = 0;
    uint32_t windowCount_ = 0;
    uint32_t lastLoaded_ = 0;

    uint32_t recno_ = 0;
    bool eof_ = true;
    bool bof_ = true;
    const uint8_t* current_ = nullptr;
    std::vector<uint8_t> blank_;
    std::vector<uint8_t> edit_;
    std::vector<uint8_t> before_;
    bool dirty_ = false;
    bool currentIsNew_ = false;
    mutable std::vector<std::string> scratch_;
    struct PlainText {
        uint32_t offset;
        uint16_t width; // 0 when the field needs decoding
    };
    std::vector<PlainText> plainText_;

    RecordOrder* order_ = nullptr;
    uint64_t orderSteps_ = 0;
    RecordFilter* filter_ = nullptr;
    bool flaggedHidden_ = false;
    std::vector<TableListener*> listeners_;
};

} // namespace xbase

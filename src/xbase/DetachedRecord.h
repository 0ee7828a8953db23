// A record that belongs to no table: a field layout and a byte buffer of its own. It computes
// the widths of key expressions on a blank record, and it lets tests, benchmarks and in-memory
// sources build records without files. Setters write the stored xBase form (text padded, numbers
// right-aligned, logicals T/F, dates YYYYMMDD); a value wider than its field is cut.
#pragma once

#include "RecordView.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {

class DetachedRecord final : public RecordView {
public:
    // Offsets are assigned in order after the delete flag; those given are ignored.
    explicit DetachedRecord(std::vector<FieldDef> fields);
    // Same layout as `layout`, offsets kept, every byte blank.
    static DetachedRecord blankLike(const RecordView& layout);

    const std::vector<FieldDef>& fields() const override { return fields_; }
    int fieldIndex(std::string_view name) const override;
    const uint8_t* record() const override { return bytes_.data(); }
    uint32_t recordSize() const override { return static_cast<uint32_t>(bytes_.size()); }
    uint32_t recordNumber() const override { return recno_; }
    std::string memoText(int fieldIndex) const override;

    void clear();
    void setRecordNumber(uint32_t recno) { recno_ = recno; }
    void setFlaggedDeleted(bool flagged) { bytes_[0] = flagged ? '*' : ' '; }
    void setText(std::string_view field, std::string_view value);
    void setNumber(std::string_view field, double value);
    void setLogical(std::string_view field, bool value);
    void setMemo(std::string_view field, std::string text);
    std::vector<uint8_t>& bytes() { return bytes_; }

private:
    DetachedRecord() = default;
    const FieldDef& field(std::string_view name) const;

    std::vector<FieldDef> fields_;
    std::vector<uint8_t> bytes_;
    std::map<int, std::string> memos_;
    uint32_t recno_ = 1;
};

} // namespace xbase

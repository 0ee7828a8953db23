// A RecordView over a record buffer the caller owns (the old and new bytes a table passes to
// its listeners). Fields come from another view's layout; the buffer must outlive every use.
#pragma once

#include "RecordView.h"

namespace xbase {

class BufferRecordView final : public RecordView {
public:
    explicit BufferRecordView(const RecordView& layout) : layout_(layout) {}
    void point(const uint8_t* bytes, uint32_t recno)
    {
        bytes_ = bytes;
        recno_ = recno;
    }
    const std::vector<FieldDef>& fields() const override { return layout_.fields(); }
    int fieldIndex(std::string_view name) const override { return layout_.fieldIndex(name); }
    const uint8_t* record() const override { return bytes_; }
    uint32_t recordSize() const override { return layout_.recordSize(); }
    uint32_t recordNumber() const override { return recno_; }
    // Listeners see raw bytes only; memo text would need the memo file.
    std::string memoText(int) const override { return {}; }

private:
    const RecordView& layout_;
    const uint8_t* bytes_ = nullptr;
    uint32_t recno_ = 0;
};

} // namespace xbase

// An in-memory table for index tests: fixed-width records as byte strings, a RecordView over
// the current record, one pass over all records, and listeners told of every write the way
// the real table tells them.
#pragma once

#include "xbase/FieldDef.h"
#include "xbase/IndexRecordSource.h"
#include "xbase/RecordView.h"
#include "xbase/TableListener.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace testsupport {

class FakeTable final : public xbase::RecordView, public xbase::IndexRecordSource {
public:
    // Fields given as name, type and width; offsets follow the delete flag.
    explicit FakeTable(std::vector<xbase::FieldDef> fields) : fields_(std::move(fields))
    {
        uint32_t offset = 1;
        for (auto& f : fields_) {
            if (f.offset == 0)
                f.offset = offset;
            offset = std::max(offset, f.offset + f.width);
        }
        recordSize_ = std::max(recordSize_, offset);
    }
    void setRecordSize(uint32_t size) { recordSize_ = size; }

    const std::vector<xbase::FieldDef>& fields() const override { return fields_; }
    int fieldIndex(std::string_view name) const override
    {
        for (size_t i = 0; i < fields_.size(); ++i)
            if (equalsIgnoringCase(fields_[i].name, name))
                return int(i);
        return -1;
    }
    const uint8_t* record() const override { return records_.at(current_ - 1).data(); }
    uint32_t recordSize() const override { return recordSize_; }
    uint32_t recordNumber() const override { return current_; }
    std::string memoText(int) const override { return {}; }

    const xbase::RecordView& layout() const override { return *this; }
    uint32_t recordCount() const override { return uint32_t(records_.size()); }
    void forEachRecord(const std::function<void(const xbase::RecordView&)>& visit) override
    {
        for (uint32_t r = 1; r <= records_.size(); ++r) {
            current_ = r;
            visit(*this);
        }
    }

    void go(uint32_t recno) { current_ = recno; }
    void addListener(xbase::TableListener* listener) { listeners_.push_back(listener); }

    // Loads a record without telling listeners (as if it had been in the file).
    void load(std::vector<uint8_t> bytes)
    {
        bytes.resize(recordSize_, ' ');
        records_.push_back(std::move(bytes));
    }
    uint32_t append(const std::vector<std::string>& values)
    {
        records_.emplace_back(recordSize_, ' ');
        current_ = uint32_t(records_.size());
        for (size_t i = 0; i < values.size(); ++i)
            put(records_.back(), i, values[i]);
        for (auto* l : listeners_)
            l->recordWritten(current_, nullptr, records_.back().data());
        return current_;
    }
    void write(uint32_t recno, std::string_view field, const std::string& value)
    {
        auto old = records_.at(recno - 1);
        put(records_[recno - 1], size_t(fieldIndex(field)), value);
        notify(recno, old);
    }
    void setDeleted(uint32_t recno, bool deleted)
    {
        auto old = records_.at(recno - 1);
        records_[recno - 1][0] = deleted ? '*' : ' ';
        notify(recno, old);
    }
    std::string value(uint32_t recno, std::string_view field) const
    {
        const auto& f = fields_[size_t(fieldIndex(field))];
        return std::string(reinterpret_cast<const char*>(records_.at(recno - 1).data()) + f.offset, f.width);
    }

private:
    static bool equalsIgnoringCase(std::string_view a, std::string_view b)
    {
        return a.size() == b.size()
               && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                      return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
                  });
    }
    void put(std::vector<uint8_t>& bytes, size_t field, const std::string& value)
    {
        const auto& f = fields_.at(field);
        std::string padded = value.substr(0, f.width);
        padded.resize(f.width, ' ');
        std::memcpy(bytes.data() + f.offset, padded.data(), f.width);
    }
    void notify(uint32_t recno, const std::vector<uint8_t>& old)
    {
        for (auto* l : listeners_)
            l->recordWritten(recno, old.data(), records_[recno - 1].data());
    }

    std::vector<xbase::FieldDef> fields_;
    uint32_t recordSize_ = 1;
    std::vector<std::vector<uint8_t>> records_;
    uint32_t current_ = 0;
    std::vector<xbase::TableListener*> listeners_;
};

} // namespace testsupport

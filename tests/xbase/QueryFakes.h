// In-memory stand-ins for a table and its compound index, for the query tests and benchmark:
// records live in one flat byte vector, each tag is a sorted vector of (key, recno) built with
// the engine's own key compiler.
#pragma once

#include "xbase/DetachedRecord.h"
#include "xbase/KeyRangeSource.h"
#include "xbase/RecordOrder.h"
#include "xbase/RecordScanner.h"
#include "xbase/XbaseExpressionCompiler.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace xbase::fakes {

class FlatView final : public RecordView {
public:
    explicit FlatView(const DetachedRecord& layout) : layout_(layout) {}
    const std::vector<FieldDef>& fields() const override { return layout_.fields(); }
    int fieldIndex(std::string_view name) const override { return layout_.fieldIndex(name); }
    const uint8_t* record() const override { return bytes_; }
    uint32_t recordSize() const override { return layout_.recordSize(); }
    uint32_t recordNumber() const override { return recno_; }
    std::string memoText(int) const override { return {}; }
    void point(const uint8_t* bytes, uint32_t recno) { bytes_ = bytes; recno_ = recno; }

private:
    const DetachedRecord& layout_;
    const uint8_t* bytes_ = nullptr;
    uint32_t recno_ = 0;
};

class FakeTable final : public RecordScanner {
public:
    explicit FakeTable(std::vector<FieldDef> fields) : layout_(std::move(fields)), view_(layout_) {}

    // A blank record to fill and append.
    DetachedRecord blank() const { DetachedRecord r = layout_; r.clear(); return r; }
    void append(const DetachedRecord& record) { data_.insert(data_.end(), record.record(), record.record() + record.recordSize()); }
    uint8_t* bytesOf(uint32_t recno) { return data_.data() + size_t(recno - 1) * layout_.recordSize(); }
    void reserve(size_t records) { data_.reserve(records * layout_.recordSize()); }

    const RecordView& layout() const override { return layout_; }
    uint32_t recordCount() const override { return static_cast<uint32_t>(data_.size() / layout_.recordSize()); }
    const RecordView& readRecord(uint32_t recno) override
    {
        ++reads;
        view_.point(bytesOf(recno), recno);
        return view_;
    }
    bool flaggedRecordsHidden() const override { return hidden; }
    RecordOrder* currentOrder() override { return order; }
    KeyRangeSource* keyRanges() override { return index; }

    bool hidden = true;
    RecordOrder* order = nullptr;
    KeyRangeSource* index = nullptr;
    uint64_t reads = 0;

private:
    DetachedRecord layout_;
    FlatView view_;
    std::vector<uint8_t> data_;
};

class FakeIndex final : public KeyRangeSource {
public:
    FakeIndex(FakeTable& table, std::vector<TagDescription> tags) : table_(table), tags_(std::move(tags)) { rebuild(); }

    void rebuild()
    {
        entries_.assign(tags_.size(), {});
        const XbaseExpressionCompiler compiler;
        for (size_t t = 0; t < tags_.size(); ++t) {
            const auto key = compiler.compileKey(tags_[t].keyExpression, table_.layout());
            std::vector<std::pair<std::string, uint32_t>>& entries = entries_[t];
            entries.reserve(table_.recordCount());
            for (uint32_t r = 1; r <= table_.recordCount(); ++r) {
                std::string bytes;
                key->computeKey(table_.readRecord(r), bytes);
                entries.emplace_back(std::move(bytes), r);
            }
            std::sort(entries.begin(), entries.end());
        }
        table_.reads = 0;
    }

    std::vector<TagDescription> tagDescriptions() const override { return tags_; }
    void visitRange(size_t tagIndex, const KeyBound& low, const KeyBound& high,
                    const std::function<void(uint32_t)>& visit) override
    {
        ++visits;
        const auto& entries = entries_[tagIndex];
        auto compare = [](const std::string& key, const KeyBound& b) {
            return std::string_view(key).substr(0, b.bytes.size()).compare(b.bytes);
        };
        auto begin = entries.begin();
        if (low.present) {
            begin = std::partition_point(entries.begin(), entries.end(), [&](const auto& e) {
                const int c = compare(e.first, low);
                return low.inclusive ? c < 0 : c <= 0;
            });
        }
        for (auto it = begin; it != entries.end(); ++it) {
            if (high.present) {
                const int c = compare(it->first, high);
                if (high.inclusive ? c > 0 : c >= 0)
                    break;
            }
            visit(it->second);
        }
    }
    // The record numbers of a tag in key order.
    std::vector<uint32_t> sequence(size_t tagIndex) const
    {
        std::vector<uint32_t> out;
        for (const auto& e : entries_[tagIndex])
            out.push_back(e.second);
        return out;
    }

    int visits = 0;

private:
    FakeTable& table_;
    std::vector<TagDescription> tags_;
    std::vector<std::vector<std::pair<std::string, uint32_t>>> entries_;
};

// A tag's order for the table's cursor.
class SequenceOrder final : public RecordOrder {
public:
    explicit SequenceOrder(std::vector<uint32_t> sequence) : sequence_(std::move(sequence)) {}
    uint32_t first() override { return sequence_.empty() ? 0 : sequence_.front(); }
    uint32_t last() override { return sequence_.empty() ? 0 : sequence_.back(); }
    uint32_t next(uint32_t recno, const RecordView&) override
    {
        const size_t at = position(recno);
        return at + 1 < sequence_.size() ? sequence_[at + 1] : 0;
    }
    uint32_t previous(uint32_t recno, const RecordView&) override
    {
        const size_t at = position(recno);
        return at > 0 && at < sequence_.size() ? sequence_[at - 1] : 0;
    }

private:
    size_t position(uint32_t recno) const
    {
        return static_cast<size_t>(std::find(sequence_.begin(), sequence_.end(), recno) - sequence_.begin());
    }
    std::vector<uint32_t> sequence_;
};

} // namespace xbase::fakes

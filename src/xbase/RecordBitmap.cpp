#include "RecordBitmap.h"

#include <algorithm>
#include <bit>

namespace xbase {

RecordBitmap::RecordBitmap(uint32_t recordCount, bool set)
    : words_((static_cast<size_t>(recordCount) + 63) / 64, set ? ~uint64_t{0} : 0), count_(recordCount)
{
    clearTail();
}

void RecordBitmap::clearTail()
{
    if (count_ % 64 != 0 && !words_.empty())
        words_.back() &= (uint64_t{1} << (count_ % 64)) - 1;
}

void RecordBitmap::resize(uint32_t recordCount)
{
    count_ = std::min(count_, recordCount);
    clearTail();
    words_.resize((static_cast<size_t>(recordCount) + 63) / 64, 0);
    count_ = recordCount;
}

RecordBitmap& RecordBitmap::operator&=(const RecordBitmap& other)
{
    for (size_t i = 0; i < words_.size(); ++i)
        words_[i] &= i < other.words_.size() ? other.words_[i] : 0;
    return *this;
}

RecordBitmap& RecordBitmap::operator|=(const RecordBitmap& other)
{
    const size_t n = std::min(words_.size(), other.words_.size());
    for (size_t i = 0; i < n; ++i)
        words_[i] |= other.words_[i];
    clearTail();
    return *this;
}

void RecordBitmap::invert()
{
    for (uint64_t& w : words_)
        w = ~w;
    clearTail();
}

uint32_t RecordBitmap::population() const
{
    uint32_t total = 0;
    for (uint64_t w : words_)
        total += static_cast<uint32_t>(std::popcount(w));
    return total;
}

bool RecordBitmap::any() const
{
    return std::any_of(words_.begin(), words_.end(), [](uint64_t w) { return w != 0; });
}

uint32_t RecordBitmap::nextSet(uint32_t recno) const
{
    if (recno < 1)
        recno = 1;
    if (recno > count_)
        return 0;
    size_t word = (recno - 1) >> 6;
    uint64_t bits = words_[word] & (~uint64_t{0} << ((recno - 1) & 63));
    for (;;) {
        if (bits != 0)
            return static_cast<uint32_t>(word * 64 + static_cast<size_t>(std::countr_zero(bits)) + 1);
        if (++word >= words_.size())
            return 0;
        bits = words_[word];
    }
}

uint32_t RecordBitmap::nextSet(uint32_t recno, uint32_t limit) const
{
    if (recno < 1)
        recno = 1;
    if (limit > count_)
        limit = count_;
    if (recno > limit)
        return 0;
    size_t word = (recno - 1) >> 6;
    const size_t lastWord = (limit - 1) >> 6;
    uint64_t bits = words_[word] & (~uint64_t{0} << ((recno - 1) & 63));
    for (;;) {
        if (bits != 0) {
            const auto found = static_cast<uint32_t>(word * 64 + static_cast<size_t>(std::countr_zero(bits)) + 1);
            return found <= limit ? found : 0;
        }
        if (++word > lastWord)
            return 0;
        bits = words_[word];
    }
}

uint32_t RecordBitmap::previousSet(uint32_t recno, uint32_t limit) const
{
    if (recno > count_)
        recno = count_;
    if (recno < 1 || recno < limit)
        return 0;
    if (limit < 1)
        limit = 1;
    size_t word = (recno - 1) >> 6;
    const size_t firstWord = (limit - 1) >> 6;
    const unsigned shift = 63 - ((recno - 1) & 63);
    uint64_t bits = words_[word] & (~uint64_t{0} >> shift);
    for (;;) {
        if (bits != 0) {
            const auto found = static_cast<uint32_t>(word * 64 + 63 - static_cast<size_t>(std::countl_zero(bits)) + 1);
            return found >= limit ? found : 0;
        }
        if (word == firstWord)
            return 0;
        bits = words_[--word];
    }
}

uint32_t RecordBitmap::previousSet(uint32_t recno) const
{
    if (recno > count_)
        recno = count_;
    if (recno < 1)
        return 0;
    size_t word = (recno - 1) >> 6;
    const unsigned shift = 63 - ((recno - 1) & 63);
    uint64_t bits = words_[word] & (~uint64_t{0} >> shift);
    for (;;) {
        if (bits != 0)
            return static_cast<uint32_t>(word * 64 + 63 - static_cast<size_t>(std::countl_zero(bits)) + 1);
        if (word == 0)
            return 0;
        bits = words_[--word];
    }
}

} // namespace xbase

// One bit per record number (1-based), the currency of query optimisation: index ranges and
// scans fill bitmaps, conjuncts combine them with AND, OR and NOT, and a count is a population
// count.
#pragma once

#include <cstdint>
#include <vector>

namespace xbase {

class RecordBitmap {
public:
    RecordBitmap() = default;
    // Records 1..recordCount, all clear (or all set).
    explicit RecordBitmap(uint32_t recordCount, bool set = false);

    uint32_t recordCount() const { return count_; }
    bool test(uint32_t recno) const
    {
        return recno >= 1 && recno <= count_ && (words_[(recno - 1) >> 6] >> ((recno - 1) & 63)) & 1;
    }
    void set(uint32_t recno)
    {
        if (recno >= 1 && recno <= count_)
            words_[(recno - 1) >> 6] |= uint64_t{1} << ((recno - 1) & 63);
    }
    void clear(uint32_t recno)
    {
        if (recno >= 1 && recno <= count_)
            words_[(recno - 1) >> 6] &= ~(uint64_t{1} << ((recno - 1) & 63));
    }
    // Grows or shrinks to recordCount records; new records start clear.
    void resize(uint32_t recordCount);

    RecordBitmap& operator&=(const RecordBitmap& other);
    RecordBitmap& operator|=(const RecordBitmap& other);
    void invert();
    uint32_t population() const;
    bool any() const;
    // The first set record at or after `recno` (at or before, for previous); 0 when none.
    uint32_t nextSet(uint32_t recno) const;
    uint32_t previousSet(uint32_t recno) const;
    // The same, looking no further than `limit` (0 when nothing is set up to it): merging two
    // bitmaps then costs the distance to the nearer hit, not a scan to the end of the sparser.
    uint32_t nextSet(uint32_t recno, uint32_t limit) const;
    uint32_t previousSet(uint32_t recno, uint32_t limit) const;

private:
    void clearTail();
    std::vector<uint64_t> words_;
    uint32_t count_ = 0;
};

} // namespace xbase

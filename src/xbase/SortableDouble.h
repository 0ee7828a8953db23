// Numbers and dates in index keys: 8 bytes that sort as unsigned bytes in the order of the
// values. The IEEE double is written big-endian; a value >= 0 gets its sign bit set, a negative
// one has every bit inverted (-0 counts as +0).
#pragma once

#include <string>

namespace xbase {

class SortableDouble {
public:
    static void encode(double value, char* out8);
    static double decode(const char* in8);
    // The 8 key bytes of a value, e.g. for a seek on a numeric or date tag (dates as Julian days).
    static std::string key(double value)
    {
        std::string bytes(8, '\0');
        encode(value, bytes.data());
        return bytes;
    }
};

} // namespace xbase

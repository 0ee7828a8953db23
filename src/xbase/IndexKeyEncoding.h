// Sortable byte encodings of numeric and date keys: eight bytes whose unsigned byte order is
// the numeric order, as the compact index format stores them. Key expressions use these when
// they produce numbers or dates, and callers use them to build seek keys.
#pragma once

#include <cstdint>
#include <string>

namespace xbase {

class IndexKeyEncoding {
public:
    static std::string encodeNumber(double value);
    static double decodeNumber(const std::string& key);
    // A date as its Julian day number (1996-07-04 is 2450269).
    static std::string encodeJulianDay(int64_t julianDay);
    static int64_t julianDay(int year, int month, int day);
};

} // namespace xbase

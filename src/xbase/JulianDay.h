// Dates inside expressions are Julian day numbers (1996-07-04 is 2 450 269), the form the
// index keys store; 0 stands for the empty date. Text dates are the stored YYYYMMDD form.
#pragma once

#include <string_view>

namespace xbase {

class JulianDay {
public:
    static long fromYmd(int year, int month, int day);
    // 0 for blank text or text that is no valid calendar date.
    static long fromText(std::string_view yyyymmdd);
    // Writes 8 bytes YYYYMMDD, or 8 blanks for the empty date.
    static void toText(long julianDay, char* out8);
    // A computed date (any double) as a day number: below day 1 is the empty date, beyond
    // 9999-12-31 stays there.
    static long fromNumber(double value);
};

} // namespace xbase

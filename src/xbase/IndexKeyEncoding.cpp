#include "IndexKeyEncoding.h"

#include <bit>
#include <cstring>

namespace xbase {

std::string IndexKeyEncoding::encodeNumber(double value)
{
    if (value == 0.0)
        value = 0.0; // folds -0 into +0 so both sort as one key
    uint64_t bits = std::bit_cast<uint64_t>(value);
    if (bits & (uint64_t(1) << 63))
        bits = ~bits;
    else
        bits |= uint64_t(1) << 63;
    std::string key(8, '\0');
    for (int i = 0; i < 8; ++i)
        key[i] = char(uint8_t(bits >> (8 * (7 - i))));
    return key;
}

double IndexKeyEncoding::decodeNumber(const std::string& key)
{
    uint64_t bits = 0;
    for (size_t i = 0; i < 8 && i < key.size(); ++i)
        bits = (bits << 8) | uint8_t(key[i]);
    if (bits & (uint64_t(1) << 63))
        bits &= ~(uint64_t(1) << 63);
    else
        bits = ~bits;
    return std::bit_cast<double>(bits);
}

std::string IndexKeyEncoding::encodeJulianDay(int64_t julianDay)
{
    return encodeNumber(double(julianDay));
}

int64_t IndexKeyEncoding::julianDay(int year, int month, int day)
{
    // Proleptic Gregorian calendar to Julian day number.
    const int64_t a = (14 - month) / 12;
    const int64_t y = int64_t(year) + 4800 - a;
    const int64_t m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

} // namespace xbase

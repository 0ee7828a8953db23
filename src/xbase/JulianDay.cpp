#include "JulianDay.h"

namespace xbase {

namespace {

bool isLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : days[month - 1];
}

} // namespace

long JulianDay::fromYmd(int year, int month, int day)
{
    // Proleptic Gregorian calendar, counted from March so the leap day comes last.
    const long a = (14 - month) / 12;
    const long y = year + 4800 - a;
    const long m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

long JulianDay::fromText(std::string_view text)
{
    if (text.size() < 8)
        return 0;
    int parts[3] = {0, 0, 0};
    const int lengths[3] = {4, 2, 2};
    size_t pos = 0;
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < lengths[p]; ++i, ++pos) {
            const char c = text[pos];
            if (c < '0' || c > '9')
                return 0;
            parts[p] = parts[p] * 10 + (c - '0');
        }
    }
    const int year = parts[0], month = parts[1], day = parts[2];
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return 0;
    return fromYmd(year, month, day);
}

long JulianDay::fromNumber(double value)
{
    constexpr double lastDay = 5373484; // 9999-12-31
    if (!(value >= 1))
        return 0;
    return static_cast<long>(value < lastDay ? value : lastDay);
}

void JulianDay::toText(long julianDay, char* out)
{
    if (julianDay <= 0) {
        for (int i = 0; i < 8; ++i)
            out[i] = ' ';
        return;
    }
    const long a = julianDay + 32044;
    const long b = (4 * a + 3) / 146097;
    const long c = a - 146097 * b / 4;
    const long d = (4 * c + 3) / 1461;
    const long e = c - 1461 * d / 4;
    const long m = (5 * e + 2) / 153;
    const long day = e - (153 * m + 2) / 5 + 1;
    const long month = m + 3 - 12 * (m / 10);
    long year = 100 * b + d - 4800 + m / 10;
    if (year > 9999 || year < 0)
        year = 9999;
    const long digits[3] = {year, month, day};
    const int lengths[3] = {4, 2, 2};
    int pos = 0;
    for (int p = 0; p < 3; ++p) {
        long value = digits[p];
        for (int i = lengths[p] - 1; i >= 0; --i) {
            out[pos + i] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
        pos += lengths[p];
    }
}

} // namespace xbase

#include "FieldCodec.h"

#include "DbfFormat.h"
#include "PaddedText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace xbase::fieldcodec {
namespace {

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void civilFromDays(int64_t days, int64_t& year, unsigned& month, unsigned& day)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
}

} // namespace

bool parseNumber(std::string_view text, double& value)
{
    text = trimLeadingPadding(trimPadding(text));
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

void formatNumber(double value, uint16_t width, uint8_t decimals, uint8_t* out)
{
    char text[400];
    int length = std::isfinite(value) ? std::snprintf(text, sizeof text, "%.*f", decimals, value) : -1;
    if (length > 1 && text[0] == '-' && std::all_of(text + 1, text + length, [](char c) { return c == '0' || c == '.'; }))
        std::memmove(text, text + 1, static_cast<size_t>(length--));
    if (length < 0 || length > width) {
        std::memset(out, '*', width);
        return;
    }
    std::memset(out, ' ', width - static_cast<size_t>(length));
    std::memcpy(out + width - length, text, static_cast<size_t>(length));
}

bool isCalendarDate(std::string_view text)
{
    if (text.size() != 8 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const auto number = [&](size_t at, size_t n) {
        int value = 0;
        for (size_t i = at; i < at + n; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    const int year = number(0, 4), month = number(4, 2), day = number(6, 2);
    static const int daysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= daysIn[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::string julianDayText(uint32_t julianDay)
{
    int64_t year = 0;
    unsigned month = 0, day = 0;
    civilFromDays(static_cast<int64_t>(julianDay) - dbf::kJulianDayOfUnixEpoch, year, month, day);
    char text[32];
    std::snprintf(text, sizeof text, "%04lld%02u%02u", static_cast<long long>(year), month, day);
    return text;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y && std::toupper(x) != std::toupper(y))
            return false;
    }
    return true;
}

} // namespace xbase::fieldcodec

// How field values turn into stored bytes and back where the rule is more than a copy:
// numbers as right-aligned text, calendar dates, the wider dialect's Julian day numbers,
// and the case-blind comparison of field names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace xbase::fieldcodec {

// Parses stored or typed number text (blanks around it allowed); false when it is not a number.
bool parseNumber(std::string_view text, double& value);
// Fills `width` bytes at out with the value right-aligned with `decimals` places, or with
// asterisks when it does not fit. A value that rounds to zero is written without a sign.
void formatNumber(double value, uint16_t width, uint8_t decimals, uint8_t* out);
// Eight digits YYYYMMDD naming a real day.
bool isCalendarDate(std::string_view text);
// YYYYMMDD of a Julian day number.
std::string julianDayText(uint32_t julianDay);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

} // namespace xbase::fieldcodec

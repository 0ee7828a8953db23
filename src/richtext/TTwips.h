// Lengths in a letter's page layout and paragraph settings: twips, 1/1440 inch, as the RTF text
// keeps them. A whole number, so a value read and written again never drifts.
#pragma once

#include "output/TInches.h"

#include <compare>

class TTwips {
public:
    static constexpr int PerInch = 1440;

    constexpr TTwips() = default;
    constexpr explicit TTwips(int twips) : TwipValue(twips) {}

    constexpr int Value() const { return TwipValue; }
    constexpr TInches ToInches() const { return TInches(double(TwipValue) / PerInch); }
    // Pixels at `dotsPerInch`, cut to a whole pixel as the printer bounds always were.
    constexpr int ToWholePixels(int dotsPerInch) const { return int(static_cast<long long>(TwipValue) * dotsPerInch / PerInch); }

    constexpr TTwips operator+(TTwips other) const { return TTwips(TwipValue + other.TwipValue); }
    constexpr TTwips operator-(TTwips other) const { return TTwips(TwipValue - other.TwipValue); }
    constexpr auto operator<=>(const TTwips&) const = default;

private:
    int TwipValue = 0;
};

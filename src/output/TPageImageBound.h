// How many pixels a page picture (preview, --preview-png) may have. A damaged or odd layout
// can describe a page of hundreds of inches; drawn at the asked resolution it would take
// gigabytes and minutes. Past MaxPixels the picture is drawn at the highest resolution that
// stays within it; a page so large that even one dot per inch would not fit is refused.
#pragma once

#include "TInches.h"

#include <QString>

class TPageImageBound {
public:
    static constexpr double MaxPixels = 64.0 * 1000 * 1000;
    static constexpr double MinDotsPerInch = 1.0;

    // The resolution to draw a page of that size at: `dotsPerInch` when it fits, else lower.
    // Zero when the page cannot be drawn at all; `refusal` (when given) then names the size.
    static double DotsPerInch(TInches width, TInches height, double dotsPerInch, QString* refusal = nullptr);
};

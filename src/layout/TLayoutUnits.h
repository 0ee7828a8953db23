// Layout positions and sizes are integers in layout pixels. A layout pixel is a fixed 1/96 inch,
// whatever screen the layout was drawn on, so a layout prints the same size everywhere; the
// designers scale their view by the screen's logical DPI and the zoom. Tests and the report
// settings conversions may inject another value.
#pragma once

#include "output/TInches.h"

#include <cmath>

class TLayoutUnits {
public:
    static constexpr int DefaultPixelsPerInch = 96;

    static int PixelsPerInch() { return Ppi(); }
    static void SetPixelsPerInch(int pixelsPerInch) { Ppi() = pixelsPerInch > 0 ? pixelsPerInch : DefaultPixelsPerInch; }

    static TInches ToInches(double pixels) { return TInches::FromPixels(pixels, PixelsPerInch()); }
    // Font heights are stored as minus the character height in layout pixels.
    static int FontHeightFromPoints(int points) { return -int(std::lround(double(points) * PixelsPerInch() / 72.0)); }
    static int PointsFromFontHeight(int height) { return int(std::lround(-double(height) * 72.0 / PixelsPerInch())); }

private:
    static int& Ppi()
    {
        static int value = DefaultPixelsPerInch;
        return value;
    }
};

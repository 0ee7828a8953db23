#include "TPageImageBound.h"

#include <algorithm>
#include <cmath>

double TPageImageBound::DotsPerInch(TInches width, TInches height, double dotsPerInch, QString* refusal)
{
    const double w = std::max(0.0, width.Value());
    const double h = std::max(0.0, height.Value());
    const double pixels = w * dotsPerInch * h * dotsPerInch;
    if (!std::isfinite(pixels)) {
        if (refusal)
            *refusal = QStringLiteral("The page cannot be drawn: its size is not a number.");
        return 0;
    }
    // Also a single side: a page 1 inch high and a million wide has few pixels but no picture.
    const double longest = std::max(w, h) * dotsPerInch;
    double dpi = dotsPerInch;
    if (pixels > MaxPixels)
        dpi = dotsPerInch * std::sqrt(MaxPixels / pixels);
    if (longest > 32767)
        dpi = std::min(dpi, 32767.0 / std::max(w, h));
    if (dpi < MinDotsPerInch && dpi < dotsPerInch) {
        if (refusal)
            *refusal = QStringLiteral("The page of %1 x %2 inches is too large to be drawn (at most %3 million pixels).")
                           .arg(w, 0, 'f', 2)
                           .arg(h, 0, 'f', 2)
                           .arg(MaxPixels / 1e6, 0, 'f', 0);
        return 0;
    }
    return dpi;
}

// Page pictures stay within a bound of pixels: a huge page is drawn at a lower resolution, one
// that cannot be drawn even at one dot per inch is refused with its size.
#include "output/TPageImageBound.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(TPageImageBound, LargePagesAreDrawnSmallerOrRefused)
{
    struct TCase {
        double Width, Height, Asked;
        double Expected; // 0: refused
    };
    const double fits = TPageImageBound::MaxPixels;
    const std::vector<TCase> cases = {
        {8.5, 11, 96, 96},
        {312.5, 312.5, 96, std::sqrt(fits) / 312.5}, // a 30000 x 30000 pixel label at 96 dpi
        {1, 1000, 96, 32767.0 / 1000},                // no side past what a picture can hold
        {1e9, 1e9, 96, 0},
    };
    for (const TCase& c : cases) {
        QString refusal;
        const double dpi = TPageImageBound::DotsPerInch(TInches(c.Width), TInches(c.Height), c.Asked, &refusal);
        EXPECT_NEAR(dpi, c.Expected, 1e-6) << c.Width << " x " << c.Height;
        EXPECT_LE(c.Width * dpi * c.Height * dpi, fits * 1.0001);
        EXPECT_EQ(refusal.isEmpty(), c.Expected > 0);
    }
    QString refusal;
    TPageImageBound::DotsPerInch(TInches(1e9), TInches(2e9), 96, &refusal);
    EXPECT_TRUE(refusal.startsWith("The page of 1000000000.00 x 2000000000.00 inches is too large")) << refusal.toStdString();
}

} // namespace

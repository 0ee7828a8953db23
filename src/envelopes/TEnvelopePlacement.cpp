#include "TEnvelopePlacement.h"

#include <cmath>
#include <cstdlib>

namespace {

// Sizes are decimal inches (10.51 is 10.50999... in binary), so a whole hundredth must not lose
// one to the representation: a millionth of slack keeps 10.51 x 100 at 1051.
long long Truncated(double value, double factor)
{
    return static_cast<long long>(std::trunc(value * factor + (value >= 0 ? 1e-6 : -1e-6)));
}

// The offset along one edge for a feed position: flush with the far side, centred, or at 0.
double Along(TFeedPosition position, TFeedPosition farSide, double room)
{
    if (position == TFeedPosition::fpCenter)
        return room / 2;
    return position == farSide ? room : 0.0;
}

} // namespace

TEnvelopeOffsets TEnvelopePlacement::Offsets(double pageWidth, double pageHeight, double length, double width,
                                             const TEnvelopeFeedSettings& feed)
{
    if (Truncated(pageWidth, 10) == Truncated(length, 10) && Truncated(pageHeight, 10) == Truncated(width, 10))
        return {};
    const double across = pageWidth - length;
    const double down = pageHeight - width;
    // Face down, the envelope's front lies mirrored: its left is the feed's right.
    const TFeedPosition farSide = feed.Facing == TFeedFacing::ffUp ? TFeedPosition::fpRight : TFeedPosition::fpLeft;
    double horizontal = 0.0, vertical = 0.0;
    if (feed.Orientation == TFeedOrientation::foPortrait) {
        horizontal = Along(feed.Position, farSide, across);
    } else {
        horizontal = feed.ClockWiseRotation ? 0.0 : across;
        vertical = Along(feed.Position, farSide, down);
    }
    return {float(std::max(0.0, horizontal)), float(std::max(0.0, vertical))};
}

bool TEnvelopePlacement::PageMismatch(double pageWidth, double pageHeight, double length, double width)
{
    return std::llabs(Truncated(length, 100) - Truncated(pageWidth, 100)) > 100 ||
           std::llabs(Truncated(width, 100) - Truncated(pageHeight, 100)) > 100;
}

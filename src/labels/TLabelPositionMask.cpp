#include "TLabelPositionMask.h"

#include "TLabelStock.h"

#include <algorithm>

TLabelPositionMask::TLabelPositionMask(const TLabelStock& stock)
    : Flags(size_t(std::clamp(stock.Positions(), 0, MaximumPositions)), true)
{
}

bool TLabelPositionMask::IsSet(int position) const
{
    return position >= 0 && position < Size() && Flags[size_t(position)];
}

void TLabelPositionMask::Set(int position, bool printed)
{
    if (position >= 0 && position < Size())
        Flags[size_t(position)] = printed;
}

void TLabelPositionMask::SetAll(bool printed) { std::fill(Flags.begin(), Flags.end(), printed); }

int TLabelPositionMask::CountSet() const { return int(std::count(Flags.begin(), Flags.end(), true)); }

#include "TRunningProgress.h"

#include <algorithm>

TRunningProgress::TRunningProgress(int steps) : Whole(100LL * std::max(steps, 1)) {}

int TRunningProgress::Report(int percent)
{
    percent = std::clamp(percent, 0, 100);
    Total += percent >= Last ? percent - Last : percent;
    Last = percent;
    const long long value = (Total * 100 + Whole / 2) / Whole;
    Shown = static_cast<int>(std::min<long long>(value, 100));
    return Shown;
}

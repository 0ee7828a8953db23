#include "TRunningProgress.h"

#include <algorithm>

TRunningProgress::TRunningProgress(int steps, int firstStepWeight)
    : Whole(100LL * (std::max(steps, 1) - 1 + std::max(firstStepWeight, 1))), FirstStepWeight(std::max(firstStepWeight, 1))
{
}

int TRunningProgress::Report(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (percent < Last)
        InFirstStep = false; // a drop: the next step has begun
    const int rise = percent >= Last ? percent - Last : percent;
    Total += InFirstStep ? static_cast<long long>(rise) * FirstStepWeight : rise;
    Last = percent;
    const long long value = (Total * 100 + Whole / 2) / Whole;
    Shown = static_cast<int>(std::min<long long>(value, 100));
    return Shown;
}

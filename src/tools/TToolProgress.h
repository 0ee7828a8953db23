// How the list tools report a long run: after each record they tell how far they are and how
// many records they have found or changed; the answer false stops the run after that record.
#pragma once

#include <cstdint>
#include <functional>

struct TToolStep {
    uint32_t Done = 0;  // records handled so far
    uint32_t Total = 0; // records the run will handle (0 when unknown)
    uint32_t Found = 0; // matches, questionable records or records changed so far

    int Percent() const { return Total == 0 ? 0 : static_cast<int>((uint64_t(Done) * 100 + Total / 2) / Total); }
};

using TToolProgress = std::function<bool(const TToolStep& step)>;

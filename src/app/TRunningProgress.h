// One progress bar over several steps that each report 0..100 on their own (a pack, then one
// tag after another). Every rise of the reported percentage adds to a running total; a drop
// means the next step has begun, and its first report counts from zero. The bar shows the total
// against the whole run, so it only moves forward and never passes 100.
//
// Contract: `steps` is the number of steps the run will report (at least 1).
#pragma once

class TRunningProgress {
public:
    explicit TRunningProgress(int steps);

    // Takes one report of the running step; answers the bar's value 0..100.
    int Report(int percent);
    int Value() const { return Shown; }

private:
    long long Total = 0;
    long long Whole;
    int Last = 0;
    int Shown = 0;
};

// One progress bar over several steps that each report 0..100 on their own (a pack, then one
// tag after another). Every rise of the reported percentage adds to a running total; a drop
// means the next step has begun, and its first report counts from zero. The bar shows the total
// against the whole run, so it only moves forward and never passes 100. The first step may weigh
// more than the others (a pack, which takes several tags' time), so the bar keeps pace with the
// work rather than with the count of steps.
//
// Contract: `steps` is the number of steps the run will report (at least 1).
#pragma once

class TRunningProgress {
public:
    // The first step counts as `firstStepWeight` of the others.
    explicit TRunningProgress(int steps, int firstStepWeight = 1);

    // Takes one report of the running step; answers the bar's value 0..100.
    int Report(int percent);
    int Value() const { return Shown; }

private:
    long long Total = 0;
    long long Whole;
    int FirstStepWeight;
    bool InFirstStep = true;
    int Last = 0;
    int Shown = 0;
};

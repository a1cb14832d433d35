#pragma once

// How long one run of the plan search goes on and how many plans it keeps.
// The program's search and the minute-by-minute reference share them, so
// that the two stay comparable run for run.
struct SearchLimits {
    static constexpr int MaximumAttempts = 1000;
    static constexpr int ZeroDelayPlansToStop = 20;
    static constexpr int MaximumPlansKept = 20;

    // Whether a run that has made `attempts` and found `zeroDelayPlans`
    // makes another attempt.
    static constexpr bool MayAttemptAgain(int attempts, int zeroDelayPlans)
    {
        return attempts < MaximumAttempts && zeroDelayPlans < ZeroDelayPlansToStop;
    }
};

#include "planning/CompareByTotalDelay.h"

#include "planning/CompletePlan.h"

int CompareByTotalDelay(const CompletePlan* left, const CompletePlan* right)
{
    std::int64_t leftDelay = left->GetExactTotalDelay();
    std::int64_t rightDelay = right->GetExactTotalDelay();
    if (leftDelay < rightDelay)
        return -1;
    return leftDelay > rightDelay ? 1 : 0;
}

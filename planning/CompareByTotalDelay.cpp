#include "planning/CompareByTotalDelay.h"

#include "planning/CompletePlan.h"

int CompareByTotalDelay(const CompletePlan* left, const CompletePlan* right)
{
    std::int32_t leftDelay = left->GetTotalDelay();
    std::int32_t rightDelay = right->GetTotalDelay();
    if (leftDelay < rightDelay)
        return -1;
    return leftDelay > rightDelay ? 1 : 0;
}

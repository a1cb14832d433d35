#include "planning/CompletePlan.h"

#include "planning/Minutes.h"
#include "planning/PersonalPlan.h"

CompletePlan::CompletePlan() = default;

CompletePlan::~CompletePlan() = default;

std::int64_t CompletePlan::GetExactTotalDelay() const
{
    std::int64_t total = 0;
    for (const PersonalPlan* plan : personalPlans)
        total += plan->GetExactDelay();
    return total;
}

std::int32_t CompletePlan::GetTotalDelay() const
{
    return Minutes::Clamped(GetExactTotalDelay());
}

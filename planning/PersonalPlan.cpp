#include "planning/PersonalPlan.h"

#include "model/Profile.h"
#include "planning/Minutes.h"

PersonalPlan::PersonalPlan(Profile* plannedProfile)
    : profile(plannedProfile)
{
}

PersonalPlan::~PersonalPlan() = default;

std::int32_t PersonalPlan::GetStartTime() const
{
    const TaskExecution* first = executions.GetFirst();
    return first ? first->GetStartTime() : profile->GetEndTime();
}

std::int32_t PersonalPlan::GetEndTime() const
{
    return profile->GetEndTime();
}

std::int64_t PersonalPlan::GetExactDelay() const
{
    return DelayOf(profile->GetEndTime(), profile->GetTotalDuration(), GetStartTime());
}

std::int32_t PersonalPlan::GetDelay() const
{
    return Minutes::Clamped(GetExactDelay());
}

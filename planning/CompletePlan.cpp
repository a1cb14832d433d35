#include "planning/CompletePlan.h"

#include "model/Resource.h"
#include "model/Task.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

CompletePlan::CompletePlan() = default;

CompletePlan::~CompletePlan() = default;

std::int32_t CompletePlan::GetTotalDelay() const
{
    std::int32_t total = 0;
    for (const PersonalPlan* plan : personalPlans)
        total += plan->GetDelay();
    return total;
}

bool CompletePlan::IsResourceFree(const Resource* resource, std::int32_t from, std::int32_t to) const
{
    for (const PersonalPlan* plan : personalPlans) {
        for (const TaskExecution* execution : plan->GetExecutions()) {
            const Task* task = execution->GetTask();
            if (task->GetRequiredResources().IndexOf(resource) < 0)
                continue;
            // Wide arithmetic: typed-in durations may be anything an int holds.
            std::int64_t start = execution->GetStartTime();
            if (start < to && start + task->GetDuration() > from)
                return false;
        }
    }
    return true;
}

#include "planning/PersonalPlan.h"

#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/TaskExecution.h"

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

std::int32_t PersonalPlan::GetDelay() const
{
    return profile->GetEndTime() - profile->GetTotalDuration() - GetStartTime();
}

const TaskExecution* PersonalPlan::FindExecution(const Task* task) const
{
    for (const TaskExecution* execution : executions) {
        if (execution->GetTask() == task)
            return execution;
    }
    return nullptr;
}

std::unique_ptr<BorrowedList<Task>> PersonalPlan::GetCandidateTasks(
    const CompletePlan& attempt, std::int32_t minute) const
{
    auto candidates = std::make_unique<BorrowedList<Task>>();
    for (const PrecedenceRelation* relation : profile->GetPrecedenceRelations()) {
        Task* task = relation->GetTask();
        if (FindExecution(task) || !ArePrecedencesSatisfied(task, minute))
            continue;
        bool resourcesFree = true;
        for (const Resource* resource : task->GetRequiredResources()) {
            if (!attempt.IsResourceFree(resource, minute - task->GetDuration(), minute)) {
                resourcesFree = false;
                break;
            }
        }
        if (resourcesFree)
            candidates->Add(task);
    }
    return candidates;
}

bool PersonalPlan::ArePrecedencesSatisfied(const Task* task, std::int32_t minute) const
{
    for (const PrecedenceRelation* relation : profile->GetPrecedenceRelations()) {
        const PrecedentTask* entry = relation->FindPrecedent(task);
        if (!entry)
            continue;
        // An earlier task is placed only after every task that must follow it.
        const TaskExecution* later = FindExecution(relation->GetTask());
        if (!later)
            return false;
        // Wide arithmetic: typed-in bounds may be anything an int holds.
        std::int64_t laterStart = later->GetStartTime();
        if (minute < laterStart - entry->GetMaximumTime() || minute > laterStart - entry->GetMinimumTime())
            return false;
    }
    return true;
}

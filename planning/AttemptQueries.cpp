#include "planning/AttemptQueries.h"

#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/Minutes.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

AttemptQueries::AttemptQueries(const CompletePlan& plannedAttempt)
    : attempt(plannedAttempt)
{
}

std::unique_ptr<BorrowedList<Task>> AttemptQueries::GetCandidateTasks(
    const PersonalPlan& plan, std::int32_t minute) const
{
    auto candidates = std::make_unique<BorrowedList<Task>>();
    for (const PrecedenceRelation* relation : plan.GetProfile()->GetPrecedenceRelations()) {
        Task* task = relation->GetTask();
        if (plan.FindExecution(task) || !ArePrecedencesSatisfied(plan, task, minute))
            continue;
        // A start beyond 32 bits could not be stored; such a task cannot end
        // at this minute.
        std::int64_t start = std::int64_t { minute } - task->GetDuration();
        if (!Minutes::Fits(start))
            continue;
        bool resourcesFree = true;
        for (const Resource* resource : task->GetRequiredResources()) {
            if (!IsResourceFree(resource, start, minute)) {
                resourcesFree = false;
                break;
            }
        }
        if (resourcesFree)
            candidates->Add(task);
    }
    return candidates;
}

bool AttemptQueries::IsResourceFree(const Resource* resource, std::int64_t from, std::int64_t to) const
{
    for (const PersonalPlan* plan : attempt.GetPersonalPlans()) {
        for (const TaskExecution* execution : plan->GetExecutions()) {
            const Task* task = execution->GetTask();
            if (task->GetRequiredResources().IndexOf(resource) < 0)
                continue;
            std::int64_t start = execution->GetStartTime();
            if (start < to && start + task->GetDuration() > from)
                return false;
        }
    }
    return true;
}

bool AttemptQueries::ArePrecedencesSatisfied(const PersonalPlan& plan, const Task* task, std::int32_t minute)
{
    for (const PrecedenceRelation* relation : plan.GetProfile()->GetPrecedenceRelations()) {
        const PrecedentTask* entry = relation->FindPrecedent(task);
        if (!entry)
            continue;
        // An earlier task is placed only after every task that must follow it.
        const TaskExecution* later = plan.FindExecution(relation->GetTask());
        if (!later)
            return false;
        std::int64_t laterStart = later->GetStartTime();
        if (minute < laterStart - entry->GetMaximumTime() || minute > laterStart - entry->GetMinimumTime())
            return false;
    }
    return true;
}

#include "bestplans/PlanProblem.h"

#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

#include <algorithm>

namespace {

int IndexOf(const std::vector<Task*>& tasks, const Task* task)
{
    auto found = std::find(tasks.begin(), tasks.end(), task);
    return found == tasks.end() ? -1 : static_cast<int>(found - tasks.begin());
}

} // namespace

PlanProblem PlanProblem::FromProfiles(
    const toolbox::ArrayList<Profile>& chosenProfiles, std::vector<Task*>* executedTasks)
{
    PlanProblem problem;
    std::vector<const void*> resourceKeys;
    for (const Profile* profile : chosenProfiles)
        problem.AddProfile(*profile, resourceKeys, executedTasks);
    return problem;
}

void PlanProblem::AddProfile(
    const Profile& profile, std::vector<const void*>& resourceKeys, std::vector<Task*>* executedTasks)
{
    int firstExecution = static_cast<int>(executions.size());
    int profileIndex = static_cast<int>(profiles.size());
    std::vector<Task*> tasks;
    for (const PrecedenceRelation* relation : profile.GetPrecedenceRelations()) {
        Task* task = relation->GetTask();
        if (!task || IndexOf(tasks, task) >= 0)
            continue;
        tasks.push_back(task);
        Execution execution { profileIndex, task->GetDuration(), {}, task->GetName() };
        for (const Resource* resource : task->GetRequiredResources()) {
            auto known = std::find(resourceKeys.begin(), resourceKeys.end(), resource);
            int index = static_cast<int>(known - resourceKeys.begin());
            if (known == resourceKeys.end()) {
                resourceKeys.push_back(resource);
                capacities.push_back(std::max(resource->GetAmount(), 1));
            }
            if (std::find(execution.resources.begin(), execution.resources.end(), index) == execution.resources.end())
                execution.resources.push_back(index);
        }
        executions.push_back(std::move(execution));
        if (executedTasks)
            executedTasks->push_back(task);
    }
    int firstGap = static_cast<int>(gaps.size());
    AddGaps(profile, tasks, firstExecution);
    profiles.push_back(
        { profile.GetOwner()->GetName(), profile.GetName(), profile.GetEndTime(), profile.GetTotalDuration(),
            firstExecution, static_cast<int>(tasks.size()), firstGap, static_cast<int>(gaps.size()) - firstGap });
}

// Only the first entry of a relation for an earlier task counts, and only
// between tasks the profile executes, as in the random search.
void PlanProblem::AddGaps(const Profile& profile, const std::vector<Task*>& tasks, int firstExecution)
{
    for (const PrecedenceRelation* relation : profile.GetPrecedenceRelations()) {
        int later = IndexOf(tasks, relation->GetTask());
        if (later < 0)
            continue;
        for (const PrecedentTask* entry : relation->GetPrecedents()) {
            int earlier = IndexOf(tasks, entry->GetTask());
            if (earlier < 0 || relation->FindPrecedent(entry->GetTask()) != entry)
                continue;
            gaps.push_back(
                { firstExecution + earlier, firstExecution + later, entry->GetMinimumTime(), entry->GetMaximumTime() });
        }
    }
}

PlanProblem PlanProblem::ProfileAlone(int profile, const std::vector<bool>& keptGaps) const
{
    const PlannedProfile& source = profiles[profile];
    PlanProblem alone;
    alone.capacities = capacities;
    for (int index = 0; index < source.executionCount; ++index) {
        alone.executions.push_back(executions[source.firstExecution + index]);
        alone.executions.back().profile = 0;
    }
    for (int index = 0; index < source.gapCount; ++index) {
        if (!keptGaps[index])
            continue;
        Gap gap = gaps[source.firstGap + index];
        gap.earlier -= source.firstExecution;
        gap.later -= source.firstExecution;
        alone.gaps.push_back(gap);
    }
    alone.profiles.push_back(source);
    alone.profiles.back().firstExecution = 0;
    alone.profiles.back().firstGap = 0;
    alone.profiles.back().gapCount = static_cast<int>(alone.gaps.size());
    return alone;
}

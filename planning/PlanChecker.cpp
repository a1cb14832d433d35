#include "planning/PlanChecker.h"

#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>

namespace {

// Wide arithmetic throughout: typed-in numbers may be anything an int holds.
std::int64_t EndOf(const TaskExecution& execution)
{
    return static_cast<std::int64_t>(execution.GetStartTime()) + execution.GetTask()->GetDuration();
}

std::string Named(const Profile& profile)
{
    return std::string(profile.GetOwner()->GetName()) + " / " + profile.GetName();
}

class PersonalPlanChecker {
public:
    PersonalPlanChecker(const PersonalPlan& plan, std::vector<std::string>& faults)
        : plan(plan)
        , profile(*plan.GetProfile())
        , faults(faults)
    {
    }

    void Check()
    {
        CheckEveryTaskOnce();
        CheckOrderAndOverlap();
        CheckEndTime();
        CheckPrecedences();
    }

private:
    void Fault(const std::string& text) { faults.push_back(Named(profile) + ": " + text); }

    bool IsExecutedByProfile(const Task* task) const
    {
        for (const PrecedenceRelation* relation : profile.GetPrecedenceRelations()) {
            if (relation->GetTask() == task)
                return true;
        }
        return false;
    }

    void CheckEveryTaskOnce()
    {
        for (const TaskExecution* execution : plan.GetExecutions()) {
            if (!IsExecutedByProfile(execution->GetTask()))
                Fault(std::string(execution->GetTask()->GetName()) + " is not a task of the profile.");
        }
        for (const PrecedenceRelation* relation : profile.GetPrecedenceRelations()) {
            const Task* task = relation->GetTask();
            if (!task)
                continue;
            int count = 0;
            for (const TaskExecution* execution : plan.GetExecutions())
                count += execution->GetTask() == task ? 1 : 0;
            if (count != 1)
                Fault(std::string(task->GetName()) + " is executed " + std::to_string(count) + " times.");
        }
    }

    void CheckOrderAndOverlap()
    {
        const TaskExecution* previous = nullptr;
        const TaskExecution* latestEnding = nullptr;
        for (const TaskExecution* execution : plan.GetExecutions()) {
            if (previous && execution->GetStartTime() < previous->GetStartTime())
                Fault(std::string(execution->GetTask()->GetName()) + " is listed after a later start.");
            previous = execution;
            if (execution->GetTask()->GetDuration() <= 0)
                continue;
            if (latestEnding && EndOf(*latestEnding) > execution->GetStartTime()) {
                Fault(std::string(latestEnding->GetTask()->GetName()) + " and " + execution->GetTask()->GetName()
                    + " overlap.");
            }
            if (!latestEnding || EndOf(*execution) > EndOf(*latestEnding))
                latestEnding = execution;
        }
    }

    void CheckEndTime()
    {
        for (const TaskExecution* execution : plan.GetExecutions()) {
            if (EndOf(*execution) > profile.GetEndTime())
                Fault(std::string(execution->GetTask()->GetName()) + " ends after the end time.");
        }
    }

    // As the search reads them: the first entry of a relation for an
    // earlier task counts, and only between tasks the profile executes.
    void CheckPrecedences()
    {
        for (const PrecedenceRelation* relation : profile.GetPrecedenceRelations()) {
            const TaskExecution* later = plan.FindExecution(relation->GetTask());
            if (!later)
                continue;
            for (const PrecedentTask* entry : relation->GetPrecedents()) {
                const TaskExecution* earlier = plan.FindExecution(entry->GetTask());
                if (!earlier || relation->FindPrecedent(entry->GetTask()) != entry)
                    continue;
                std::int64_t gap = later->GetStartTime() - EndOf(*earlier);
                if (gap < entry->GetMinimumTime() || gap > entry->GetMaximumTime()) {
                    Fault(std::string(entry->GetTask()->GetName()) + " ends " + std::to_string(gap) + " minutes before "
                        + relation->GetTask()->GetName() + " starts.");
                }
            }
        }
    }

    const PersonalPlan& plan;
    const Profile& profile;
    std::vector<std::string>& faults;
};

// Counts the executions holding each resource at every start of a holder;
// the most at once is reached at one of those starts.
void CheckResources(const CompletePlan& plan, std::vector<std::string>& faults)
{
    std::map<const Resource*, std::vector<std::pair<std::int64_t, std::int64_t>>> holdings;
    for (const PersonalPlan* personal : plan.GetPersonalPlans()) {
        for (const TaskExecution* execution : personal->GetExecutions()) {
            const Task* task = execution->GetTask();
            if (task->GetDuration() <= 0)
                continue;
            // A resource named twice by one task is held once.
            const auto& required = task->GetRequiredResources();
            for (int index = 0; index < required.GetCount(); ++index) {
                if (required.IndexOf(required.Get(index)) == index)
                    holdings[required.Get(index)].emplace_back(execution->GetStartTime(), EndOf(*execution));
            }
        }
    }
    for (const auto& [resource, intervals] : holdings) {
        int capacity = std::max(resource->GetAmount(), 1);
        for (const auto& [start, end] : intervals) {
            int holders = 0;
            for (const auto& [otherStart, otherEnd] : intervals)
                holders += otherStart <= start && start < otherEnd ? 1 : 0;
            if (holders > capacity) {
                faults.push_back(std::string(resource->GetName()) + " is used " + std::to_string(holders)
                    + " times at once from minute " + std::to_string(start) + ".");
                break;
            }
        }
    }
}

} // namespace

std::vector<std::string> PlanChecker::Check(const CompletePlan& plan, const toolbox::ArrayList<Profile>& chosenProfiles)
{
    std::vector<std::string> faults;
    const auto& personalPlans = plan.GetPersonalPlans();
    if (personalPlans.GetCount() != chosenProfiles.GetCount()) {
        faults.push_back("The plan holds " + std::to_string(personalPlans.GetCount()) + " personal plans for "
            + std::to_string(chosenProfiles.GetCount()) + " chosen profiles.");
        return faults;
    }
    for (int index = 0; index < personalPlans.GetCount(); ++index) {
        const PersonalPlan& personal = *personalPlans.Get(index);
        if (personal.GetProfile() != chosenProfiles.Get(index)) {
            faults.push_back("Personal plan " + std::to_string(index + 1) + " is not for the profile chosen there.");
            continue;
        }
        PersonalPlanChecker(personal, faults).Check();
    }
    CheckResources(plan, faults);
    return faults;
}

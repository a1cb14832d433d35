#include "bestplans/BestPlanComputation.h"

#include "bestplans/BestPlanSearch.h"
#include "bestplans/Horizon.h"
#include "bestplans/NoPlanExplainer.h"
#include "bestplans/ProfileCopy.h"
#include "model/Profile.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/PlanChecker.h"
#include "planning/PlanComputation.h"
#include "planning/TaskExecution.h"
#include "toolbox/NewOwned.h"

#include <algorithm>
#include <cassert>

namespace {

// Any fixed number: runs repeat exactly.
constexpr std::uint32_t RandomSearchSeed = 4711;

const char* const TooLargeText = "The times of the chosen profiles are too large to plan.";
const char* const NoneInTimeText = "No plan was found in the time given.";
const char* const ProvenHeading = "These are the best plans for your selected profiles.";
const char* const BestFoundHeading = "These are the best plans found in the time given.";
const char* const UnexplainedText = "There is no plan; the time given ran out before the reason was found.";

std::unique_ptr<PersonalPlan> BuildPersonalPlan(Profile* profile, const ProfileCopy& copy,
    const std::vector<Task*>& copiedTasks, const std::vector<std::int32_t>& starts,
    const PlanProblem::PlannedProfile& planned)
{
    std::vector<int> order(planned.executionCount);
    for (int index = 0; index < planned.executionCount; ++index)
        order[index] = planned.firstExecution + index;
    std::stable_sort(
        order.begin(), order.end(), [&starts](int left, int right) { return starts[left] < starts[right]; });
    auto plan = std::make_unique<PersonalPlan>(profile);
    for (int execution : order) {
        auto record = std::make_unique<TaskExecution>(copy.GetOriginal(copiedTasks[execution]));
        record->SetStartTime(starts[execution]);
        toolbox::AddOwned(plan->GetExecutions(), std::move(record));
    }
    return plan;
}

} // namespace

BestPlanComputation::BestPlanComputation(const toolbox::ArrayList<Profile>& chosenProfiles)
    : copy(std::make_unique<ProfileCopy>(chosenProfiles))
    , problem(PlanProblem::FromProfiles(copy->GetChosenProfiles(), &copiedTasks))
{
    for (Profile* profile : chosenProfiles)
        profiles.Add(profile);
}

BestPlanComputation::~BestPlanComputation() = default;

void BestPlanComputation::Run(SearchControl& control)
{
    proven = false;
    reasons.clear();
    schedules.clear();
    NoPlanExplainer explainer(problem, control);
    if (!explainer.FindStructuralReasons().empty()) {
        reasons = explainer.Explain();
        proven = true;
        return;
    }
    Horizon horizon(problem);
    if (!horizon.Fits()) {
        reasons.push_back(TooLargeText);
        return;
    }
    BestPlanSearch search(problem, horizon, control);
    search.StartFrom(FindRandomSearchPlan());
    proven = search.Run() == BestPlanSearch::Outcome::Finished;
    for (const BestPlanSearch::Schedule& schedule : search.GetSchedules())
        schedules.push_back(schedule.starts);
    if (!schedules.empty())
        return;
    if (proven)
        reasons = explainer.Explain();
    if (reasons.empty())
        reasons.push_back(proven ? UnexplainedText : NoneInTimeText);
}

std::vector<std::int32_t> BestPlanComputation::FindRandomSearchPlan() const
{
    PlanComputation randomSearch;
    for (Profile* profile : copy->GetChosenProfiles())
        randomSearch.ChooseProfile(*profile);
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> plans = randomSearch.ComputePlans(RandomSearchSeed);
    if (plans->GetCount() == 0)
        return {};
    const CompletePlan& best = *plans->GetFirst();
    std::vector<std::int32_t> starts(copiedTasks.size());
    for (int index = 0; index < static_cast<int>(problem.GetProfiles().size()); ++index) {
        const PlanProblem::PlannedProfile& planned = problem.GetProfiles()[index];
        const PersonalPlan& personal = *best.GetPersonalPlans().Get(index);
        for (int execution = planned.firstExecution; execution < planned.firstExecution + planned.executionCount;
             ++execution) {
            const TaskExecution* placed = personal.FindExecution(copiedTasks[execution]);
            if (!placed)
                return {};
            starts[execution] = placed->GetStartTime();
        }
    }
    return starts;
}

void BestPlanComputation::ExplainNoPlan(SearchControl& control)
{
    reasons = NoPlanExplainer(problem, control).Explain();
}

const char* BestPlanComputation::GetHeading() const
{
    return proven ? ProvenHeading : BestFoundHeading;
}

std::unique_ptr<toolbox::ArrayList<CompletePlan>> BestPlanComputation::TakePlans()
{
    auto plans = std::make_unique<toolbox::ArrayList<CompletePlan>>();
    for (const std::vector<std::int32_t>& starts : schedules) {
        auto plan = std::make_unique<CompletePlan>();
        for (int index = 0; index < profiles.GetCount(); ++index) {
            const PlanProblem::PlannedProfile& planned = problem.GetProfiles()[index];
            toolbox::AddOwned(
                plan->GetPersonalPlans(), BuildPersonalPlan(profiles.Get(index), *copy, copiedTasks, starts, planned));
        }
        assert(PlanChecker::Check(*plan, profiles.GetItems()).empty());
        toolbox::AddOwned(*plans, std::move(plan));
    }
    schedules.clear();
    return plans;
}

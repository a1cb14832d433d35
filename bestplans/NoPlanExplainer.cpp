#include "bestplans/NoPlanExplainer.h"

#include "bestplans/Horizon.h"
#include "bestplans/PlanProblem.h"
#include "bestplans/ScheduleSpace.h"
#include "bestplans/SearchLimit.h"
#include "bestplans/SearchPortfolio.h"
#include "model/PrecedentTask.h"

#include <deque>
#include <memory>

namespace {

enum class Feasibility { Feasible, Infeasible, Unknown };

Feasibility CheckFeasibility(const PlanProblem& problem, SearchLimit& limit)
{
    Horizon horizon(problem);
    if (!horizon.Fits())
        return Feasibility::Unknown;
    auto makeRoot = [&problem, &horizon](ScheduleSpace::Branching branching) {
        return std::make_unique<ScheduleSpace>(problem, horizon, branching);
    };
    SearchPortfolio portfolio(makeRoot, SearchPortfolio::Goal::EverySolution, limit);
    if (portfolio.Next())
        return Feasibility::Feasible;
    return portfolio.IsComplete() ? Feasibility::Infeasible : Feasibility::Unknown;
}

std::string ProfileName(const PlanProblem::PlannedProfile& profile)
{
    return profile.person + " / " + profile.name;
}

const std::string& TaskName(const PlanProblem& problem, int execution)
{
    return problem.GetExecutions()[execution].name;
}

// "Shower at most 10 minutes before Breakfast": how the precedence dialog
// would show the entry, in a few words.
std::string GapText(const PlanProblem& problem, const PlanProblem::Gap& gap)
{
    bool hasMinimum = gap.minimum != PrecedentTask::NoMinimum;
    bool hasMaximum = gap.maximum != PrecedentTask::NoMaximum;
    std::string bounds;
    if (hasMinimum && hasMaximum)
        bounds = std::to_string(gap.minimum) + " to " + std::to_string(gap.maximum) + " minutes ";
    else if (hasMinimum)
        bounds = "at least " + std::to_string(gap.minimum) + " minutes ";
    else if (hasMaximum)
        bounds = "at most " + std::to_string(gap.maximum) + " minutes ";
    return TaskName(problem, gap.earlier) + " " + bounds + "before " + TaskName(problem, gap.later);
}

} // namespace

NoPlanExplainer::NoPlanExplainer(const PlanProblem& problem, SearchControl& control)
    : problem(problem)
    , control(control)
{
}

std::vector<std::string> NoPlanExplainer::FindStructuralReasons() const
{
    std::vector<std::string> reasons;
    for (int profile = 0; profile < static_cast<int>(problem.GetProfiles().size()); ++profile) {
        for (std::string& reason : StructuralReasonsOf(profile))
            reasons.push_back(std::move(reason));
    }
    return reasons;
}

std::vector<std::string> NoPlanExplainer::Explain()
{
    SearchLimit limit(control);
    std::vector<std::string> reasons;
    for (int profile = 0; profile < static_cast<int>(problem.GetProfiles().size()); ++profile) {
        std::vector<std::string> structural = StructuralReasonsOf(profile);
        if (!structural.empty()) {
            reasons.insert(reasons.end(), structural.begin(), structural.end());
            continue;
        }
        std::vector<int> conflict = FindConflict(profile, limit);
        if (conflict.empty())
            continue;
        const PlanProblem::PlannedProfile& planned = problem.GetProfiles()[profile];
        std::string reason = ProfileName(planned) + ": these precedences cannot all hold with one task at a time: ";
        for (std::size_t index = 0; index < conflict.size(); ++index) {
            reason += index == 0 ? "" : "; ";
            reason += GapText(problem, problem.GetGaps()[planned.firstGap + conflict[index]]);
        }
        reasons.push_back(reason + ".");
    }
    return reasons;
}

std::vector<std::string> NoPlanExplainer::StructuralReasonsOf(int profile) const
{
    const PlanProblem::PlannedProfile& planned = problem.GetProfiles()[profile];
    std::vector<std::string> reasons;
    std::vector<int> cycle = FindShortestCycle(profile);
    if (cycle.size() == 1) {
        reasons.push_back(ProfileName(planned) + ": " + TaskName(problem, cycle[0]) + " must come before itself.");
    } else if (!cycle.empty()) {
        std::string text = ProfileName(planned) + ": " + TaskName(problem, cycle[0]) + " must come before ";
        for (std::size_t index = 1; index < cycle.size(); ++index) {
            text += TaskName(problem, cycle[index]) + ", ";
            text += index + 1 == cycle.size() ? "and " : "";
            text += TaskName(problem, cycle[index]) + " before ";
        }
        reasons.push_back(text + TaskName(problem, cycle[0]) + ".");
    }
    for (int index = planned.firstGap; index < planned.firstGap + planned.gapCount; ++index) {
        const PlanProblem::Gap& gap = problem.GetGaps()[index];
        if (gap.minimum <= gap.maximum)
            continue;
        reasons.push_back(ProfileName(planned) + ": " + TaskName(problem, gap.earlier) + " must end at least "
            + std::to_string(gap.minimum) + " and at most " + std::to_string(gap.maximum) + " minutes before "
            + TaskName(problem, gap.later) + " starts.");
    }
    return reasons;
}

// Breadth first from every execution back to itself; the shortest cycle
// reads best.
std::vector<int> NoPlanExplainer::FindShortestCycle(int profile) const
{
    const PlanProblem::PlannedProfile& planned = problem.GetProfiles()[profile];
    const auto& gaps = problem.GetGaps();
    std::vector<int> shortest;
    for (int origin = planned.firstExecution; origin < planned.firstExecution + planned.executionCount; ++origin) {
        std::vector<int> cameFrom(problem.GetExecutions().size(), -1);
        std::deque<int> open { origin };
        bool closed = false;
        while (!open.empty() && !closed) {
            int current = open.front();
            open.pop_front();
            for (int index = planned.firstGap; index < planned.firstGap + planned.gapCount && !closed; ++index) {
                if (gaps[index].earlier != current || cameFrom[gaps[index].later] >= 0)
                    continue;
                cameFrom[gaps[index].later] = current;
                closed = gaps[index].later == origin;
                open.push_back(gaps[index].later);
            }
        }
        if (!closed)
            continue;
        std::vector<int> cycle { origin };
        for (int step = cameFrom[origin]; step != origin; step = cameFrom[step])
            cycle.insert(cycle.begin() + 1, step);
        if (shortest.empty() || cycle.size() < shortest.size())
            shortest = cycle;
    }
    return shortest;
}

// Deletion filtering: drop each gap in turn and keep it out while the rest
// still cannot hold. A check the time cut short keeps the gap, so the set
// found always conflicts, though it may then not be the smallest.
std::vector<int> NoPlanExplainer::FindConflict(int profile, SearchLimit& limit) const
{
    const PlanProblem::PlannedProfile& planned = problem.GetProfiles()[profile];
    std::vector<bool> kept(planned.gapCount, true);
    if (CheckFeasibility(problem.ProfileAlone(profile, kept), limit) != Feasibility::Infeasible)
        return {};
    for (int index = 0; index < planned.gapCount; ++index) {
        kept[index] = false;
        if (CheckFeasibility(problem.ProfileAlone(profile, kept), limit) != Feasibility::Infeasible)
            kept[index] = true;
    }
    std::vector<int> conflict;
    for (int index = 0; index < planned.gapCount; ++index) {
        if (kept[index])
            conflict.push_back(index);
    }
    return conflict;
}

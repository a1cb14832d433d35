#include "bestplans/BestPlanSearch.h"

#include "bestplans/Horizon.h"
#include "bestplans/PlanProblem.h"
#include "bestplans/SearchControl.h"
#include "bestplans/SearchLimit.h"
#include "bestplans/SearchPortfolio.h"

#include <algorithm>

BestPlanSearch::BestPlanSearch(const PlanProblem& problem, const Horizon& horizon, SearchControl& control)
    : problem(problem)
    , horizon(horizon)
    , control(control)
{
}

BestPlanSearch::~BestPlanSearch() = default;

BestPlanSearch::Outcome BestPlanSearch::Run()
{
    schedules.clear();
    limit = std::make_unique<SearchLimit>(control);
    if (std::unique_ptr<ScheduleSpace> known = SettleKnown(horizon.GetLowestDelay())) {
        control.ReportDelay(known->GetTotalDelay());
        Keep(*known);
    }
    if (!FindLeastDelaysAlone())
        return Outcome::Finished;
    std::unique_ptr<ScheduleSpace> best = FindLeast(horizon.GetLowestDelay(), Keeping::EveryFound);
    if (limit->WasReached()) {
        std::stable_sort(schedules.begin(), schedules.end(),
            [](const Schedule& left, const Schedule& right) { return left.totalDelay < right.totalDelay; });
        if (schedules.size() > MaximumSchedules)
            schedules.resize(MaximumSchedules);
        return Outcome::Stopped;
    }
    // The plans of the best delay come again, in the order of their delay.
    schedules.clear();
    if (best)
        control.ReportProven();
    while (best && static_cast<int>(schedules.size()) < MaximumSchedules) {
        std::int64_t delay = best->GetTotalDelay();
        CollectDelay(delay);
        if (limit->WasReached() || static_cast<int>(schedules.size()) >= MaximumSchedules)
            break;
        best = FindLeast(delay + 1, Keeping::Best);
    }
    // Only the proof of the first delay counts: later ones merely widen the list.
    return Outcome::Finished;
}

bool BestPlanSearch::FindLeastDelaysAlone()
{
    const auto& profiles = problem.GetProfiles();
    leastDelays.assign(profiles.size(), std::nullopt);
    for (int index = 0; profiles.size() > 1 && index < static_cast<int>(profiles.size()); ++index) {
        if (profiles[index].executionCount < 2)
            continue;
        PlanProblem alone = problem.ProfileAlone(index, std::vector<bool>(profiles[index].gapCount, true));
        Horizon aloneHorizon(alone);
        if (!aloneHorizon.Fits())
            continue;
        auto makeRoot = [&alone, &aloneHorizon](ScheduleSpace::Branching branching) {
            return std::make_unique<ScheduleSpace>(alone, aloneHorizon, branching);
        };
        SearchPortfolio portfolio(makeRoot, SearchPortfolio::Goal::BetterSolutions, *limit);
        std::unique_ptr<ScheduleSpace> best;
        while (std::unique_ptr<ScheduleSpace> better = portfolio.Next())
            best = std::move(better);
        if (limit->WasReached())
            return true;
        if (!best)
            return false;
        leastDelays[index] = best->GetTotalDelay();
    }
    return true;
}

std::unique_ptr<ScheduleSpace> BestPlanSearch::MakeRoot(
    std::int64_t lowestDelay, std::int64_t highestDelay, ScheduleSpace::Branching branching) const
{
    auto root = std::make_unique<ScheduleSpace>(problem, horizon, branching);
    root->LimitDelay(lowestDelay, highestDelay);
    for (int index = 0; index < static_cast<int>(leastDelays.size()); ++index) {
        if (leastDelays[index])
            root->LimitProfileDelay(index, *leastDelays[index]);
    }
    return root;
}

std::unique_ptr<ScheduleSpace> BestPlanSearch::SettleKnown(std::int64_t lowestDelay) const
{
    if (knownStarts.size() != problem.GetExecutions().size())
        return nullptr;
    std::unique_ptr<ScheduleSpace> known
        = MakeRoot(lowestDelay, horizon.GetHighestDelay(), ScheduleSpace::Branching::LatestEndFirst);
    if (!known->FixStarts(knownStarts))
        return nullptr;
    return known;
}

std::unique_ptr<ScheduleSpace> BestPlanSearch::FindLeast(std::int64_t lowestDelay, Keeping keeping)
{
    auto makeRoot = [this, lowestDelay](ScheduleSpace::Branching branching) {
        return MakeRoot(lowestDelay, horizon.GetHighestDelay(), branching);
    };
    SearchPortfolio portfolio(makeRoot, SearchPortfolio::Goal::BetterSolutions, *limit);
    std::unique_ptr<ScheduleSpace> best = SettleKnown(lowestDelay);
    if (best)
        portfolio.Offer(*best);
    while (true) {
        if (best) {
            control.ReportDelay(best->GetTotalDelay());
            if (keeping == Keeping::EveryFound)
                Keep(*best);
        }
        std::unique_ptr<ScheduleSpace> better = portfolio.Next();
        if (!better)
            break;
        best = std::move(better);
    }
    return best;
}

void BestPlanSearch::CollectDelay(std::int64_t totalDelay)
{
    auto makeRoot = [this, totalDelay](
                        ScheduleSpace::Branching branching) { return MakeRoot(totalDelay, totalDelay, branching); };
    SearchPortfolio portfolio(makeRoot, SearchPortfolio::Goal::EverySolution, *limit);
    while (static_cast<int>(schedules.size()) < MaximumSchedules) {
        std::unique_ptr<ScheduleSpace> solution = portfolio.Next();
        if (!solution)
            break;
        Keep(*solution);
    }
}

void BestPlanSearch::Keep(const ScheduleSpace& solution)
{
    std::vector<std::int32_t> starts = solution.GetStarts();
    for (const Schedule& known : schedules) {
        if (known.starts == starts)
            return;
    }
    schedules.push_back({ std::move(starts), solution.GetTotalDelay() });
}

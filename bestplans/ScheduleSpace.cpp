#include "bestplans/ScheduleSpace.h"

#include "bestplans/Horizon.h"
#include "bestplans/Neighbourhood.h"
#include "bestplans/PlanProblem.h"

#include <algorithm>
#include <set>

using namespace Gecode;

namespace {

bool Requires(const PlanProblem::Execution& execution, int resource)
{
    return std::find(execution.resources.begin(), execution.resources.end(), resource) != execution.resources.end();
}

// Every two executions of non-zero duration that may never overlap: those
// of one profile, and those sharing a resource that one alone may use.
std::vector<std::pair<int, int>> ExclusivePairs(const PlanProblem& problem)
{
    const auto& executions = problem.GetExecutions();
    std::set<std::pair<int, int>> pairs;
    for (int first = 0; first < static_cast<int>(executions.size()); ++first) {
        for (int second = first + 1; second < static_cast<int>(executions.size()); ++second) {
            if (executions[first].duration <= 0 || executions[second].duration <= 0)
                continue;
            bool exclusive = executions[first].profile == executions[second].profile;
            for (int resource : executions[first].resources)
                exclusive
                    = exclusive || (problem.GetCapacities()[resource] == 1 && Requires(executions[second], resource));
            if (exclusive)
                pairs.insert({ first, second });
        }
    }
    return { pairs.begin(), pairs.end() };
}

} // namespace

ScheduleSpace::ScheduleSpace(const PlanProblem& problem, const Horizon& horizon, Branching branching)
    : problem(problem)
    , horizon(horizon)
    , branching(branching)
    , starts(*this, static_cast<int>(problem.GetExecutions().size()))
    , totalDelay(*this, static_cast<int>(horizon.GetLowestDelay()), static_cast<int>(horizon.GetHighestDelay()))
{
    PostEndTimes();
    PostOneAtATime();
    PostResources();
    PostOrders();
    PostGaps();
    PostTotalDelay();
    PostBranching();
}

ScheduleSpace::ScheduleSpace(ScheduleSpace& other)
    : Space(other)
    , problem(other.problem)
    , horizon(other.horizon)
    , branching(other.branching)
    , pairs(other.pairs)
{
    starts.update(*this, other.starts);
    orders.update(*this, other.orders);
    firsts.update(*this, other.firsts);
    totalDelay.update(*this, other.totalDelay);
}

Space* ScheduleSpace::copy()
{
    return new ScheduleSpace(*this);
}

void ScheduleSpace::constrain(const Space& best)
{
    rel(*this, totalDelay, IRT_LE, static_cast<const ScheduleSpace&>(best).totalDelay.val());
}

ScheduleSpace::Orders ScheduleSpace::GetOrders() const
{
    Orders values;
    for (int index = 0; index < orders.size(); ++index)
        values.push_back(orders[index].val());
    return values;
}

int ScheduleSpace::GetLargestNeighbourhood() const
{
    return Neighbourhood::GetLargestSize(problem);
}

void ScheduleSpace::KeepOrdersAround(const Orders& kept, int size, Gecode::Rnd& random)
{
    std::vector<bool> moving = Neighbourhood::Pick(problem, size, random);
    for (int index = 0; index < orders.size(); ++index) {
        const auto& [first, second] = (*pairs)[index];
        if (!moving[first] && !moving[second])
            rel(*this, orders[index], IRT_EQ, kept[index]);
    }
}

void ScheduleSpace::LimitDelay(std::int64_t lowest, std::int64_t highest)
{
    if (failed() || lowest > totalDelay.max() || highest < totalDelay.min() || lowest > highest) {
        fail();
        return;
    }
    rel(*this, totalDelay, IRT_GQ, static_cast<int>(std::max<std::int64_t>(lowest, totalDelay.min())));
    rel(*this, totalDelay, IRT_LQ, static_cast<int>(std::min<std::int64_t>(highest, totalDelay.max())));
}

bool ScheduleSpace::FixStarts(const std::vector<std::int32_t>& minutes)
{
    for (int index = 0; index < starts.size() && !failed(); ++index) {
        std::int64_t offset = minutes[index] - horizon.GetLowestStart();
        if (offset < starts[index].min() || offset > starts[index].max())
            fail();
        else
            rel(*this, starts[index], IRT_EQ, static_cast<int>(offset));
    }
    return status() == SS_SOLVED;
}

void ScheduleSpace::LimitProfileDelay(int profile, std::int64_t least)
{
    const PlanProblem::PlannedProfile& planned = problem.GetProfiles()[profile];
    if (failed() || planned.executionCount == 0)
        return;
    std::int64_t latestFirst
        = static_cast<std::int64_t>(planned.endTime) - planned.totalDuration - least - horizon.GetLowestStart();
    if (latestFirst < firsts[profile].min()) {
        fail();
        return;
    }
    rel(*this, firsts[profile], IRT_LQ, static_cast<int>(std::min<std::int64_t>(latestFirst, firsts[profile].max())));
}

std::vector<std::int32_t> ScheduleSpace::GetStarts() const
{
    std::vector<std::int32_t> values;
    for (int index = 0; index < starts.size(); ++index)
        values.push_back(static_cast<std::int32_t>(horizon.GetLowestStart() + starts[index].val()));
    return values;
}

std::int64_t ScheduleSpace::GetTotalDelay() const
{
    return totalDelay.val();
}

// Starts are counted from the lowest start, so the latest start bounds
// each domain from above.
void ScheduleSpace::PostEndTimes()
{
    for (int index = 0; index < starts.size(); ++index) {
        int latest = static_cast<int>(horizon.GetLatestStart(index) - horizon.GetLowestStart());
        starts[index] = IntVar(*this, 0, latest);
    }
}

void ScheduleSpace::PostOneAtATime()
{
    const auto& executions = problem.GetExecutions();
    for (const PlanProblem::PlannedProfile& profile : problem.GetProfiles()) {
        IntVarArgs timed;
        IntArgs durations;
        for (int index = profile.firstExecution; index < profile.firstExecution + profile.executionCount; ++index) {
            if (executions[index].duration > 0) {
                timed << starts[index];
                durations << executions[index].duration;
            }
        }
        if (timed.size() > 1)
            unary(*this, timed, durations);
    }
}

// A task of duration 0 holds its resources for no time at all.
void ScheduleSpace::PostResources()
{
    const auto& executions = problem.GetExecutions();
    for (int resource = 0; resource < static_cast<int>(problem.GetCapacities().size()); ++resource) {
        IntVarArgs holders;
        IntArgs durations;
        for (int index = 0; index < starts.size(); ++index) {
            const auto& required = executions[index].resources;
            if (executions[index].duration > 0
                && std::find(required.begin(), required.end(), resource) != required.end()) {
                holders << starts[index];
                durations << executions[index].duration;
            }
        }
        int capacity = problem.GetCapacities()[resource];
        if (holders.size() <= capacity)
            continue;
        if (capacity == 1)
            unary(*this, holders, durations);
        else
            cumulative(*this, capacity, holders, durations, IntArgs::create(holders.size(), 1, 0));
    }
}

// Each order is tied both ways to the starts, so that an order follows as
// soon as the starts leave only one, and the starts follow an order chosen.
void ScheduleSpace::PostOrders()
{
    pairs = std::make_shared<const std::vector<Pair>>(ExclusivePairs(problem));
    orders = BoolVarArray(*this, static_cast<int>(pairs->size()), 0, 1);
    const auto& executions = problem.GetExecutions();
    for (int index = 0; index < orders.size(); ++index) {
        auto [first, second] = (*pairs)[index];
        IntVarArgs secondThenFirst({ starts[second], starts[first] });
        linear(*this, IntArgs({ 1, -1 }), secondThenFirst, IRT_GQ, executions[first].duration,
            Reify(orders[index], RM_EQV));
        linear(*this, IntArgs({ -1, 1 }), secondThenFirst, IRT_LQ, executions[second].duration - 1,
            Reify(orders[index], RM_EQV));
    }
}

void ScheduleSpace::PostGaps()
{
    const auto& executions = problem.GetExecutions();
    for (const PlanProblem::Gap& gap : problem.GetGaps()) {
        std::int64_t earlierDuration = executions[gap.earlier].duration;
        PostDifference(gap.earlier, gap.later, earlierDuration + gap.minimum, earlierDuration + gap.maximum);
    }
}

void ScheduleSpace::PostDifference(int earlier, int later, std::int64_t low, std::int64_t high)
{
    std::int64_t span = horizon.GetSpan();
    if (low > high || low > span || high < -span) {
        fail();
        return;
    }
    IntVarArgs pair({ starts[later], starts[earlier] });
    if (low > -span)
        linear(*this, IntArgs({ 1, -1 }), pair, IRT_GQ, static_cast<int>(low));
    if (high < span)
        linear(*this, IntArgs({ 1, -1 }), pair, IRT_LQ, static_cast<int>(high));
}

// The total delay is the sum over the profiles with tasks of their end time
// minus their total duration minus their first start; the horizon's highest
// delay holds every part but the first starts. A profile's executions of
// non-zero duration all fit between its first start and its end time,
// which bounds the first start from above better than the starts alone do.
void ScheduleSpace::PostTotalDelay()
{
    const auto& executions = problem.GetExecutions();
    firsts = IntVarArray(*this, static_cast<int>(problem.GetProfiles().size()), 0, static_cast<int>(horizon.GetSpan()));
    IntVarArgs terms;
    for (int index = 0; index < firsts.size(); ++index) {
        const PlanProblem::PlannedProfile& profile = problem.GetProfiles()[index];
        if (profile.executionCount == 0)
            continue;
        min(*this, starts.slice(profile.firstExecution, 1, profile.executionCount), firsts[index]);
        std::int64_t busy = 0;
        for (int execution = profile.firstExecution; execution < profile.firstExecution + profile.executionCount;
             ++execution)
            busy += std::max(executions[execution].duration, 0);
        std::int64_t latestFirst = profile.endTime - busy - horizon.GetLowestStart();
        if (latestFirst < 0) {
            fail();
            return;
        }
        rel(*this, firsts[index], IRT_LQ, static_cast<int>(std::min<std::int64_t>(latestFirst, horizon.GetSpan())));
        terms << firsts[index];
    }
    terms << totalDelay;
    linear(*this, IntArgs::create(terms.size(), -1, 0), terms, IRT_EQ, static_cast<int>(-horizon.GetHighestDelay()));
}

void ScheduleSpace::PostBranching()
{
    const PlanProblem* source = &problem;
    auto latestEnd = [source](const Space& home, int execution) {
        const auto& space = static_cast<const ScheduleSpace&>(home);
        return static_cast<double>(space.starts[execution].max()) + source->GetExecutions()[execution].duration;
    };
    auto pairMerit = [latestEnd](const Space& home, BoolVar, int index) {
        const auto& [first, second] = (*static_cast<const ScheduleSpace&>(home).pairs)[index];
        return std::min(latestEnd(home, first), latestEnd(home, second));
    };
    auto laterLast = [latestEnd](const Space& home, BoolVar, int index) {
        const auto& [first, second] = (*static_cast<const ScheduleSpace&>(home).pairs)[index];
        return latestEnd(home, second) >= latestEnd(home, first) ? 1 : 0;
    };
    if (branching != Branching::LatestEndFirst)
        branch(*this, orders, BOOL_VAR_MERIT_MAX(pairMerit), BOOL_VAL(laterLast));
    auto startMerit = [latestEnd](const Space& home, IntVar, int index) { return latestEnd(home, index); };
    branch(*this, starts, INT_VAR_MERIT_MAX(startMerit), INT_VAL_MAX());
}

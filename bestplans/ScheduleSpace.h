#pragma once

#include <gecode/int.hh>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class Horizon;
class PlanProblem;

// The constraint model of a plan problem: one start per execution, counted
// from the horizon's lowest start; each profile's executions of non-zero
// duration one at a time, every resource used by at most its capacity of
// them at once, every execution ending by its profile's end time, every gap
// kept. The total delay is the cost that branch and bound lowers. The
// problem and the horizon must outlive every copy of the space.
class ScheduleSpace : public Gecode::Space {
public:
    // How the search divides the space, both backwards from the end times,
    // as a person plans a day. Each is fast where the other can be slow.
    enum class Branching {
        // For every two executions that may not overlap, which comes first:
        // the one that can end later goes last. Once the orders stand,
        // every start simply takes its latest value.
        OrdersFirst,
        // The execution that can end latest ends as late as it can, or
        // else earlier.
        LatestEndFirst,
    };

    ScheduleSpace(const PlanProblem& problem, const Horizon& horizon, Branching branching);
    ScheduleSpace(ScheduleSpace& other);

    Gecode::Space* copy() override;
    // Branch and bound: later plans must have a lower total delay.
    void constrain(const Gecode::Space& best) override;

    // Which of every two executions that may not overlap comes first.
    using Orders = std::vector<int>;
    // Valid once every order is decided.
    Orders GetOrders() const;
    // Keeps the given orders except around a neighbourhood of the size
    // given, picked at random.
    void KeepOrdersAround(const Orders& kept, int size, Gecode::Rnd& random);
    // The largest neighbourhood that still keeps something.
    int GetLargestNeighbourhood() const;

    // Keeps only plans with a total delay from `lowest` to `highest`.
    void LimitDelay(std::int64_t lowest, std::int64_t highest);
    // Sets every start, given in minutes; false when that breaks a rule.
    bool FixStarts(const std::vector<std::int32_t>& minutes);
    // Tells the space that the profile cannot have less delay than `least`,
    // as when it was planned alone; a bound the search cannot find itself.
    void LimitProfileDelay(int profile, std::int64_t least);

    // Valid once every start is assigned.
    std::vector<std::int32_t> GetStarts() const;
    std::int64_t GetTotalDelay() const;
    // The least total delay the space still allows, after propagation.
    std::int64_t GetLeastTotalDelay() const { return totalDelay.min(); }

private:
    void PostEndTimes();
    void PostOneAtATime();
    void PostResources();
    void PostOrders();
    void PostGaps();
    void PostTotalDelay();
    void PostBranching();
    // Posts low <= later - earlier <= high, where the bounds may lie
    // outside the solver's range.
    void PostDifference(int earlier, int later, std::int64_t low, std::int64_t high);

    using Pair = std::pair<int, int>;

    const PlanProblem& problem;
    const Horizon& horizon;
    const Branching branching;
    // Shared by every copy: which two executions each order decides.
    std::shared_ptr<const std::vector<Pair>> pairs;
    Gecode::IntVarArray starts;
    // True when the pair's first execution comes before its second.
    Gecode::BoolVarArray orders;
    // Per profile, its first start; unused for a profile without tasks.
    Gecode::IntVarArray firsts;
    Gecode::IntVar totalDelay;
};

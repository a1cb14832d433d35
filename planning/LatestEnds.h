#pragma once

#include <cstdint>
#include <span>
#include <vector>

class SearchIndex;
class SweepState;

// For the open slots and plans of the current sweep, the latest minute up to
// a bound at which a task could end, remembered together with the run of
// minutes below it at which it could end as well. The clock only runs back
// and placements only take minutes away, so one walk over a slot's
// precedences and resource holders answers many later questions; a
// placement narrows or forgets just what it can change. Reads the sweep
// state, owns nothing but what it remembers, and is reset with every sweep.
class LatestEnds {
public:
    // Below every minute a sweep can reach: no end at all.
    static constexpr std::int64_t None = -(std::int64_t { 1 } << 62);

    LatestEnds(const SearchIndex& index, const SweepState& state);

    void Reset();

    // The latest minute up to `high` at which the slot's task could end, or
    // None.
    std::int64_t OfSlot(int slot, std::int64_t high)
    {
        Run& run = slotRuns[slot];
        if (!run.Covers(high))
            run = Compute(slot, high);
        return run.At(high);
    }
    bool CanEndAt(int slot, std::int32_t minute) { return OfSlot(slot, minute) == minute; }

    // The latest minute up to `high` at which one of the plan's open slots
    // could end, or None.
    std::int64_t OfPlan(int plan, std::int64_t high);
    // Below None: what RememberedOfPlan answers when it does not know.
    static constexpr std::int64_t Forgotten = None - 1;
    // OfPlan when it is remembered, without computing anything; else
    // Forgotten.
    std::int64_t RememberedOfPlan(int plan, std::int64_t high) const
    {
        bool remembered = (planStates[plan] == PlanRunState::Exact) & planRuns[plan].Covers(high);
        return remembered ? planRuns[plan].At(high) : Forgotten;
    }
    // A bound that OfPlan cannot exceed, without computing anything.
    // Placements only take minutes away, so what was the latest end then
    // still bounds it.
    std::int64_t BoundOfPlan(int plan, std::int64_t high) const
    {
        if (planStates[plan] != PlanRunState::Unknown && high <= planRuns[plan].upTo)
            return planRuns[plan].At(high);
        return high;
    }

    // Takes in the placement the sweep state has just made of `slot`.
    void AfterPlacing(int slot);

    // The plans whose exact latest ends, as OfPlan last found them, may have
    // changed since the last ForgetChangedPlans; each is listed once.
    std::span<const int> GetChangedPlans() const { return changedPlans; }
    void ForgetChangedPlans() { changedPlans.clear(); }

private:
    // For every h in [low, upTo]: the latest end up to h is min(h, latest);
    // every minute of [low, latest] is possible, none of (latest, upTo] is.
    struct Run {
        std::int64_t low;
        std::int64_t latest;
        std::int64_t upTo;
        bool known;

        // Evaluated whole rather than short-circuited: one branch predicts
        // better than three.
        bool Covers(std::int64_t high) const { return known & (low <= high) & (high <= upTo); }
        std::int64_t At(std::int64_t high) const { return high < latest ? high : latest; }
    };
    // What a plan's run says: exactly its latest ends, or only a bound on
    // them after placements took minutes away.
    enum class PlanRunState : unsigned char { Unknown, Exact, Bound };

    Run Compute(int slot, std::int64_t high) const;
    // The latest end up to `end` at which a task of `duration` meets no
    // holder of `resource`.
    std::int64_t LatestFreeEnd(int resource, std::int32_t duration, std::int64_t end) const;
    // The lowest end from which every end up to `latest` meets no holder of
    // `resource`, given that `latest` meets none; at least `low`.
    std::int64_t FreeRunStart(int resource, std::int32_t duration, std::int64_t latest, std::int64_t low) const;
    // Takes the ends in (start, blockedUntil) away from a slot's run;
    // answers whether the run changed.
    static bool Narrow(Run& run, std::int64_t start, std::int64_t blockedUntil);
    // After placements took minutes away from the plan.
    void Weaken(int plan) { Demote(plan, PlanRunState::Bound); }
    void Demote(int plan, PlanRunState lesser);

    const SearchIndex& index;
    const SweepState& state;
    std::vector<Run> slotRuns;
    std::vector<Run> planRuns;
    std::vector<PlanRunState> planStates;
    // Never longer than the plans: a plan leaves the exact state only once
    // before OfPlan makes it exact again.
    std::vector<int> changedPlans;
};

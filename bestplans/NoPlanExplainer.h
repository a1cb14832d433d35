#pragma once

#include <string>
#include <vector>

class PlanProblem;
class SearchControl;
class SearchLimit;

// Says in words why the chosen profiles have no plan. Times are unbounded
// below, so plans for several profiles exist exactly when each profile can
// be planned on its own: resources only delay, they never forbid. Each
// profile is therefore looked at alone, for a cycle of precedences, for
// gaps whose minimum exceeds their maximum, and else, with the solver, for
// a smallest set of its gaps that cannot hold together (no gap of the set
// can be left out without the rest holding). Names come as stored.
class NoPlanExplainer {
public:
    NoPlanExplainer(const PlanProblem& problem, SearchControl& control);

    // Cycles and contradictory gaps: what the precedences alone show.
    std::vector<std::string> FindStructuralReasons() const;
    // Those, and for every other profile without a plan its smallest
    // conflicting set of gaps, as far as the time allowed goes.
    std::vector<std::string> Explain();

private:
    std::vector<std::string> StructuralReasonsOf(int profile) const;
    std::vector<int> FindShortestCycle(int profile) const;
    // The gaps of the profile, by their position among its gaps, that
    // cannot hold together; empty when the profile has a plan or the time
    // ran out before that was known.
    std::vector<int> FindConflict(int profile, SearchLimit& limit) const;

    const PlanProblem& problem;
    SearchControl& control;
};

#pragma once

#include "bestplans/ScheduleSpace.h"

#include <functional>
#include <memory>
#include <vector>

class SearchLimit;

// One search per branching of the same problem, run in turns of a growing
// number of nodes, so that no heuristic's bad case decides how long a
// search takes; turns count nodes, not time, so that runs repeat exactly.
// The first complete search to explore its whole tree settles the question
// for all: it has seen every solution, or with branch and bound every
// solution better than the best any of them found. Branch and bound also
// runs a neighbourhood search, which only finds better solutions, and every
// search learns the best that any has found.
class SearchPortfolio {
public:
    enum class Goal {
        // Every solution, each once per search (the searches may repeat
        // one another's).
        EverySolution,
        // Ever better solutions.
        BetterSolutions,
    };
    using RootMaker = std::function<std::unique_ptr<ScheduleSpace>(ScheduleSpace::Branching)>;

    SearchPortfolio(const RootMaker& makeRoot, Goal goal, SearchLimit& limit);
    ~SearchPortfolio();
    SearchPortfolio(const SearchPortfolio&) = delete;
    SearchPortfolio& operator=(const SearchPortfolio&) = delete;

    // Null when a search has explored everything or the limit came.
    std::unique_ptr<ScheduleSpace> Next();
    // A solution found elsewhere, which branch and bound must then beat.
    void Offer(const ScheduleSpace& solution);
    // Whether a search has explored its whole tree.
    bool IsComplete() const { return complete; }

    class Member;

private:
    void GiveTurnToNext();
    // Makes the solution the best known to every search but its finder.
    void Share(const ScheduleSpace& solution, const Member* finder);

    SearchLimit& limit;
    std::vector<std::unique_ptr<Member>> members;
    std::size_t current = 0;
    unsigned long turnNodes;
    bool complete = false;
};

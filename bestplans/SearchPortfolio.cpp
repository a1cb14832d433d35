#include "bestplans/SearchPortfolio.h"

#include "bestplans/NeighbourhoodSearch.h"
#include "bestplans/RisingBoundSearch.h"
#include "bestplans/SearchLimit.h"
#include "bestplans/TurnStop.h"

#include <gecode/search.hh>

namespace {

constexpr unsigned long FirstTurnNodes = 1000;

using Branching = ScheduleSpace::Branching;

} // namespace

// One search of the portfolio, with the stop that ends its turns.
class SearchPortfolio::Member {
public:
    explicit Member(SearchLimit& limit)
        : stop(limit)
    {
    }
    virtual ~Member() = default;

    TurnStop& GetStop() { return stop; }
    // The next solution in this turn, or null.
    virtual std::unique_ptr<ScheduleSpace> Next() = 0;
    // After a null from Next: whether the search has explored all it can.
    virtual bool HasExploredAll() const = 0;
    virtual void Learn(const ScheduleSpace& better) = 0;

private:
    TurnStop stop;
};

namespace {

// A depth-first search or branch and bound, made through their builders,
// whose engines can be told of better solutions found elsewhere.
class EngineMember : public SearchPortfolio::Member {
public:
    EngineMember(ScheduleSpace& root, SearchPortfolio::Goal goal, SearchLimit& limit)
        : Member(limit)
        , learns(goal == SearchPortfolio::Goal::BetterSolutions)
    {
        Gecode::Search::Options options;
        options.stop = &GetStop();
        std::unique_ptr<Gecode::Search::Builder> builder(
            learns ? Gecode::bab<ScheduleSpace>(options) : Gecode::dfs<ScheduleSpace>(options));
        engine.reset((*builder)(&root));
    }

    std::unique_ptr<ScheduleSpace> Next() override
    {
        return std::unique_ptr<ScheduleSpace>(static_cast<ScheduleSpace*>(engine->next()));
    }
    bool HasExploredAll() const override { return !engine->stopped(); }
    void Learn(const ScheduleSpace& better) override
    {
        if (learns)
            engine->constrain(better);
    }

private:
    const bool learns;
    std::unique_ptr<Gecode::Search::Engine> engine;
};

class NeighbourhoodMember : public SearchPortfolio::Member {
public:
    NeighbourhoodMember(std::unique_ptr<ScheduleSpace> root, SearchLimit& limit)
        : Member(limit)
        , search(std::move(root), GetStop())
    {
    }

    std::unique_ptr<ScheduleSpace> Next() override { return search.Next(); }
    bool HasExploredAll() const override { return false; }
    void Learn(const ScheduleSpace& better) override { search.Learn(better); }

private:
    NeighbourhoodSearch search;
};

class RisingBoundMember : public SearchPortfolio::Member {
public:
    RisingBoundMember(RisingBoundSearch::RootMaker makeRoot, SearchLimit& limit)
        : Member(limit)
        , search(std::move(makeRoot), GetStop())
    {
    }

    std::unique_ptr<ScheduleSpace> Next() override { return search.Next(); }
    bool HasExploredAll() const override { return search.HasProvenBest(); }
    void Learn(const ScheduleSpace& better) override { search.Learn(better); }

private:
    RisingBoundSearch search;
};

} // namespace

SearchPortfolio::SearchPortfolio(const RootMaker& makeRoot, Goal goal, SearchLimit& limit)
    : limit(limit)
    , turnNodes(FirstTurnNodes)
{
    for (Branching branching : { Branching::OrdersFirst, Branching::LatestEndFirst }) {
        std::unique_ptr<ScheduleSpace> root = makeRoot(branching);
        members.push_back(std::make_unique<EngineMember>(*root, goal, limit));
    }
    if (goal == Goal::BetterSolutions) {
        members.push_back(std::make_unique<NeighbourhoodMember>(makeRoot(Branching::OrdersFirst), limit));
        members.push_back(
            std::make_unique<RisingBoundMember>([makeRoot] { return makeRoot(Branching::LatestEndFirst); }, limit));
    }
    members[current]->GetStop().Allow(turnNodes);
}

SearchPortfolio::~SearchPortfolio() = default;

std::unique_ptr<ScheduleSpace> SearchPortfolio::Next()
{
    while (!complete && !limit.WasReached()) {
        Member& member = *members[current];
        if (std::unique_ptr<ScheduleSpace> found = member.Next()) {
            Share(*found, &member);
            return found;
        }
        if (member.HasExploredAll())
            complete = true;
        else
            GiveTurnToNext();
    }
    return nullptr;
}

void SearchPortfolio::Offer(const ScheduleSpace& solution)
{
    Share(solution, nullptr);
}

void SearchPortfolio::Share(const ScheduleSpace& solution, const Member* finder)
{
    for (const auto& member : members) {
        if (member.get() != finder)
            member->Learn(solution);
    }
}

// Each search's turn allows as many new nodes as the last round did,
// doubled once every search has had its turn. Nodes, not failures: a dive
// through many orders fails rarely but costs much.
void SearchPortfolio::GiveTurnToNext()
{
    current = (current + 1) % members.size();
    if (current == 0)
        turnNodes *= 2;
    members[current]->GetStop().Allow(turnNodes);
}

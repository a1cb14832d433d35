#pragma once

#include <gecode/search.hh>

class SearchLimit;

// Ends the turn of one search of a portfolio after the nodes it was
// allowed, and every search at the limit. Engines ask once per node, so
// counting the questions counts nodes, also across restarts.
class TurnStop : public Gecode::Search::Stop {
public:
    explicit TurnStop(SearchLimit& limit);

    bool stop(const Gecode::Search::Statistics& statistics, const Gecode::Search::Options& options) override;

    void Allow(unsigned long moreNodes) { lastNode = nodes + moreNodes; }
    // Whether the nodes allowed are used up or the limit has come.
    bool IsOver() const;

private:
    SearchLimit& limit;
    unsigned long nodes = 0;
    unsigned long lastNode = 0;
};

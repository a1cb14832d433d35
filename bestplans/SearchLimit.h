#pragma once

#include <gecode/search.hh>

#include <chrono>

class SearchControl;

// Stops the solver once the time allowed has passed since this limit was
// made, or as soon as someone asks the control to stop.
class SearchLimit : public Gecode::Search::Stop {
public:
    explicit SearchLimit(const SearchControl& control);

    bool stop(const Gecode::Search::Statistics& statistics, const Gecode::Search::Options& options) override;

    // Whether the limit was reached; a search that ends without it finished.
    bool WasReached() const { return reached; }

private:
    const SearchControl& control;
    const std::chrono::steady_clock::time_point deadline;
    bool reached = false;
};

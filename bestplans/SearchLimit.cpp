#include "bestplans/SearchLimit.h"

#include "bestplans/SearchControl.h"

SearchLimit::SearchLimit(const SearchControl& control)
    : control(control)
    , deadline(std::chrono::steady_clock::now() + control.GetTimeLimit())
{
}

bool SearchLimit::stop(const Gecode::Search::Statistics&, const Gecode::Search::Options&)
{
    if (control.IsStopRequested() || std::chrono::steady_clock::now() >= deadline)
        reached = true;
    return reached;
}

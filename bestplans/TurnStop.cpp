#include "bestplans/TurnStop.h"

#include "bestplans/SearchLimit.h"

TurnStop::TurnStop(SearchLimit& limit)
    : limit(limit)
{
}

bool TurnStop::stop(const Gecode::Search::Statistics& statistics, const Gecode::Search::Options& options)
{
    ++nodes;
    return limit.stop(statistics, options) || nodes > lastNode;
}

bool TurnStop::IsOver() const
{
    return limit.WasReached() || nodes >= lastNode;
}

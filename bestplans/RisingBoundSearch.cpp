#include "bestplans/RisingBoundSearch.h"

#include "bestplans/TurnStop.h"

#include <algorithm>

RisingBoundSearch::RisingBoundSearch(RootMaker makeRoot, TurnStop& turn)
    : makeRoot(std::move(makeRoot))
    , turn(turn)
{
}

RisingBoundSearch::~RisingBoundSearch() = default;

std::unique_ptr<ScheduleSpace> RisingBoundSearch::Next()
{
    while (!provenBest && !turn.IsOver()) {
        if (!engine && !StartRange()) {
            provenBest = true;
            break;
        }
        if (Gecode::Space* next = engine->next()) {
            std::unique_ptr<ScheduleSpace> better(static_cast<ScheduleSpace*>(next));
            foundInRange = true;
            bestDelay = better->GetTotalDelay();
            return better;
        }
        if (engine->stopped())
            break;
        provenBest = foundInRange;
        lowest = highest + 1;
        width = width * 2 + 1;
        engine.reset();
    }
    return nullptr;
}

void RisingBoundSearch::Learn(const ScheduleSpace& better)
{
    if (bestDelay && *bestDelay <= better.GetTotalDelay())
        return;
    bestDelay = better.GetTotalDelay();
    if (engine)
        engine->constrain(better);
}

bool RisingBoundSearch::StartRange()
{
    std::unique_ptr<ScheduleSpace> root = makeRoot();
    if (!lowest) {
        if (root->status() == Gecode::SS_FAILED)
            return false;
        lowest = root->GetLeastTotalDelay();
    }
    highest = *lowest + width;
    if (bestDelay)
        highest = std::min(highest, *bestDelay - 1);
    if (*lowest > highest)
        return false;
    root->LimitDelay(*lowest, highest);
    Gecode::Search::Options options;
    options.stop = &turn;
    std::unique_ptr<Gecode::Search::Builder> builder(Gecode::bab<ScheduleSpace>(options));
    engine.reset((*builder)(root.get()));
    foundInRange = false;
    return true;
}

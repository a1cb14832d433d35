#include "bestplans/SearchControl.h"

SearchControl::SearchControl(std::chrono::milliseconds timeLimit)
    : timeLimit(timeLimit)
{
}

void SearchControl::ReportDelay(std::int64_t totalDelay)
{
    if (delayFound && bestDelay <= totalDelay)
        return;
    bestDelay = totalDelay;
    delayFound = true;
}

std::optional<std::int64_t> SearchControl::GetBestDelay() const
{
    if (!delayFound)
        return std::nullopt;
    return bestDelay.load();
}

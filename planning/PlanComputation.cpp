#include "planning/PlanComputation.h"

#include "model/Profile.h"
#include "planning/CompletePlan.h"
#include "planning/IndexedSearch.h"
#include "planning/PlanRandom.h"

#include <ctime>

PlanComputation::PlanComputation() = default;

PlanComputation::~PlanComputation() = default;

std::unique_ptr<toolbox::ArrayList<CompletePlan>> PlanComputation::ComputePlans() const
{
    return ComputePlans(static_cast<std::uint32_t>(std::time(nullptr)));
}

std::unique_ptr<toolbox::ArrayList<CompletePlan>> PlanComputation::ComputePlans(std::uint32_t seed) const
{
    PlanRandom random(seed);
    IndexedSearch search(chosenProfiles, random);
    return search.Run();
}

#include "planning/PlanComputation.h"

#include "model/Profile.h"
#include "planning/CompletePlan.h"
#include "planning/IndexedSearch.h"
#include "planning/PlanRandom.h"

#include <ctime>

const char* const PlanComputation::NoPlansText
    = "Sorry, no matching plans were found. Either your task precedences\n"
      "are cyclic, so that it is not possible to find a plan, or your profiles are\n"
      "so complicated, that Ordovan did not find a matching plan this time.\n"
      "In the second case, simply retry the search.";

PlanComputation::PlanComputation() = default;

PlanComputation::~PlanComputation() = default;

PlanComputation::Choice PlanComputation::ChooseProfile(Profile& profile)
{
    if (chosenProfiles.Contains(&profile))
        return Choice::AlreadyChosen;
    if (profile.GetOwner() && FindChosenProfileOf(*profile.GetOwner()))
        return Choice::PersonAlreadyChosen;
    chosenProfiles.Add(&profile);
    return Choice::Chosen;
}

void PlanComputation::RemoveChosenProfile(const Profile& profile)
{
    chosenProfiles.Remove(&profile);
}

Profile* PlanComputation::FindChosenProfileOf(const Person& person) const
{
    for (Profile* chosen : chosenProfiles) {
        if (chosen->GetOwner() == &person)
            return chosen;
    }
    return nullptr;
}

std::unique_ptr<toolbox::ArrayList<CompletePlan>> PlanComputation::ComputePlans() const
{
    return ComputePlans(static_cast<std::uint32_t>(std::time(nullptr)));
}

std::unique_ptr<toolbox::ArrayList<CompletePlan>> PlanComputation::ComputePlans(std::uint32_t seed) const
{
    PlanRandom random(seed);
    IndexedSearch search(chosenProfiles.GetItems(), random);
    return search.Run();
}

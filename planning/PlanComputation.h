#pragma once

#include "model/BorrowedList.h"
#include "toolbox/ArrayList.h"

#include <cstdint>
#include <memory>

class CompletePlan;
class Profile;

// One compute command: the profiles the user chose (at most one per
// person, in the order of choosing, not owned) and the search over them.
class PlanComputation {
public:
    PlanComputation();
    ~PlanComputation();
    PlanComputation(const PlanComputation&) = delete;
    PlanComputation& operator=(const PlanComputation&) = delete;

    toolbox::ArrayList<Profile>& GetChosenProfiles() { return chosenProfiles; }
    const toolbox::ArrayList<Profile>& GetChosenProfiles() const { return chosenProfiles; }

    // Seeds from the calendar time in seconds, so two runs within the same
    // second give the same plans.
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> ComputePlans() const;
    // The same search from a given seed, for reproducible runs.
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> ComputePlans(std::uint32_t seed) const;

private:
    BorrowedList<Profile> chosenProfiles;
};

#pragma once

#include "model/BorrowedList.h"
#include "toolbox/ArrayList.h"

#include <cstdint>
#include <memory>

class CompletePlan;
class Person;
class Profile;

// One compute command: the profiles chosen to plan for and the search over
// them. The chosen list only borrows the profiles; it keeps the order of
// choosing and holds at most one profile per person.
class PlanComputation {
public:
    enum class Choice { Chosen, AlreadyChosen, PersonAlreadyChosen };

    // What a failed search tells the user.
    static const char* const NoPlansText;

    PlanComputation();
    ~PlanComputation();
    PlanComputation(const PlanComputation&) = delete;
    PlanComputation& operator=(const PlanComputation&) = delete;

    const toolbox::ArrayList<Profile>& GetChosenProfiles() const { return chosenProfiles.GetItems(); }

    // Appends `profile` unless it or another profile of its person is chosen
    // already; the answer says which.
    Choice ChooseProfile(Profile& profile);
    // Takes `profile` back out of the choice; the profile stays in the model.
    void RemoveChosenProfile(const Profile& profile);
    // The profile of `person` that is chosen, or null.
    Profile* FindChosenProfileOf(const Person& person) const;

    // Seeds from the calendar time in seconds, so two runs within the same
    // second give the same plans.
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> ComputePlans() const;
    // The same search from a given seed, for reproducible runs.
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> ComputePlans(std::uint32_t seed) const;

private:
    BorrowedList<Profile> chosenProfiles;
};

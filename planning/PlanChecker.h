#pragma once

#include "toolbox/ArrayList.h"

#include <string>
#include <vector>

class CompletePlan;
class Profile;

// Tells whether a complete plan keeps every rule of a plan for the chosen
// profiles: one personal plan per profile in the order chosen; each executes
// every task of its profile once, in ascending order of start, one at a time,
// ending by the profile's end time; every precedent entry between executed
// tasks holds; and no more executions than a resource's amount (at least
// one) use it at once. A task of duration 0 takes no time and so never
// overlaps anything. Reads the model, so it runs where the model lives.
class PlanChecker {
public:
    // One sentence per broken rule; empty for a sound plan.
    static std::vector<std::string> Check(const CompletePlan& plan, const toolbox::ArrayList<Profile>& chosenProfiles);
};

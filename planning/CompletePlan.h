#pragma once

#include "toolbox/ArrayList.h"

#include <cstdint>

class PersonalPlan;
class Resource;

// One schedule for all chosen profiles: owns one personal plan per profile.
class CompletePlan {
public:
    CompletePlan();
    ~CompletePlan();
    CompletePlan(const CompletePlan&) = delete;
    CompletePlan& operator=(const CompletePlan&) = delete;

    toolbox::ArrayList<PersonalPlan>& GetPersonalPlans() { return personalPlans; }
    const toolbox::ArrayList<PersonalPlan>& GetPersonalPlans() const { return personalPlans; }

    // The sum of the personal plans' delays.
    std::int32_t GetTotalDelay() const;

    // False when an execution of a task that requires `resource` runs
    // during part of [from, to). Intervals that only touch do not conflict.
    bool IsResourceFree(const Resource* resource, std::int32_t from, std::int32_t to) const;

private:
    toolbox::ArrayList<PersonalPlan> personalPlans;
};

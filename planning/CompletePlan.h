#pragma once

#include "toolbox/ArrayList.h"

#include <cstdint>

class PersonalPlan;

// One schedule for all chosen profiles: owns one personal plan per profile.
class CompletePlan {
public:
    CompletePlan();
    ~CompletePlan();
    CompletePlan(const CompletePlan&) = delete;
    CompletePlan& operator=(const CompletePlan&) = delete;

    toolbox::ArrayList<PersonalPlan>& GetPersonalPlans() { return personalPlans; }
    const toolbox::ArrayList<PersonalPlan>& GetPersonalPlans() const { return personalPlans; }

    // The sum of the personal plans' exact delays; plans are ranked by it.
    std::int64_t GetExactTotalDelay() const;
    // The exact total brought into the 32 bits in which it is shown.
    std::int32_t GetTotalDelay() const;

private:
    toolbox::ArrayList<PersonalPlan> personalPlans;
};

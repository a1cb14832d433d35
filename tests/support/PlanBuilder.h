#pragma once

#include "toolbox/ArrayList.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

class CompletePlan;
class PersonalPlan;
class Profile;
class Task;
class TaskExecution;

// Builds hand-made plan records over a model built with ModelBuilder, for
// tests that need executions at exact minutes rather than what the search
// finds. Each Add makes one personal plan, in the order of the calls; the
// static operations add to records a test already holds. The records refer
// to the model's profiles and tasks without owning them.
class PlanBuilder {
public:
    struct Placement {
        Task* task;
        std::int32_t start;
    };

    PlanBuilder();
    ~PlanBuilder();

    PlanBuilder& Add(Profile* profile, std::initializer_list<Placement> placements);
    std::unique_ptr<CompletePlan> Build();

    // Appends an execution of `task` starting at `start` to the plan's
    // executions, whatever their order.
    static TaskExecution* Place(PersonalPlan& plan, Task* task, std::int32_t start);
    static std::unique_ptr<PersonalPlan> MakePlan(Profile* profile, std::initializer_list<Placement> placements);
    // Appends a personal plan of `profile` with the placements to `plan`.
    static PersonalPlan* AddPersonalPlan(
        CompletePlan& plan, Profile* profile, std::initializer_list<Placement> placements = {});
    // Appends a complete plan with one personal plan per given profile, each
    // placing the profile's tasks back to back so that its last one ends
    // `delay` minutes before the end time.
    static CompletePlan* AddCompletePlan(
        toolbox::ArrayList<CompletePlan>& plans, std::initializer_list<std::pair<Profile*, std::int32_t>> delays);

private:
    std::vector<std::unique_ptr<PersonalPlan>> personalPlans;
};

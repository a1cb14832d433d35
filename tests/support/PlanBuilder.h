#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

class CompletePlan;
class PersonalPlan;
class Profile;
class Task;

// Builds hand-made plan records over a model built with ModelBuilder, for
// tests that need executions at exact minutes rather than what the search
// finds. Each Add makes one personal plan, in the order of the calls.
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

private:
    std::vector<std::unique_ptr<PersonalPlan>> personalPlans;
};

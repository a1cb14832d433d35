#include "PlanBuilder.h"

#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

PlanBuilder::PlanBuilder() = default;
PlanBuilder::~PlanBuilder() = default;

PlanBuilder& PlanBuilder::Add(Profile* profile, std::initializer_list<Placement> placements)
{
    auto plan = std::make_unique<PersonalPlan>(profile);
    for (const Placement& placement : placements) {
        auto* execution = new TaskExecution(placement.task);
        execution->SetStartTime(placement.start);
        plan->GetExecutions().Add(execution);
    }
    personalPlans.push_back(std::move(plan));
    return *this;
}

std::unique_ptr<CompletePlan> PlanBuilder::Build()
{
    auto plan = std::make_unique<CompletePlan>();
    for (std::unique_ptr<PersonalPlan>& personal : personalPlans)
        plan->GetPersonalPlans().Add(personal.release());
    personalPlans.clear();
    return plan;
}

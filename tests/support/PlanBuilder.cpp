#include "PlanBuilder.h"

#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

PlanBuilder::PlanBuilder() = default;
PlanBuilder::~PlanBuilder() = default;

PlanBuilder& PlanBuilder::Add(Profile* profile, std::initializer_list<Placement> placements)
{
    personalPlans.push_back(MakePersonalPlan(profile, placements));
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

CompletePlan* PlanBuilder::BuildInto(toolbox::ArrayList<CompletePlan>& plans)
{
    CompletePlan* plan = Build().release();
    plans.Add(plan);
    return plan;
}

std::unique_ptr<PersonalPlan> PlanBuilder::MakePersonalPlan(
    Profile* profile, std::initializer_list<Placement> placements)
{
    auto plan = std::make_unique<PersonalPlan>(profile);
    for (const Placement& placement : placements) {
        auto* execution = new TaskExecution(placement.task);
        execution->SetStartTime(placement.start);
        plan->GetExecutions().Add(execution);
    }
    return plan;
}

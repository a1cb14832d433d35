#include "PlanBuilder.h"

#include "model/PrecedenceRelation.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"
#include "toolbox/NewOwned.h"

PlanBuilder::PlanBuilder() = default;
PlanBuilder::~PlanBuilder() = default;

PlanBuilder& PlanBuilder::Add(Profile* profile, std::initializer_list<Placement> placements)
{
    personalPlans.push_back(MakePlan(profile, placements));
    return *this;
}

std::unique_ptr<CompletePlan> PlanBuilder::Build()
{
    auto plan = std::make_unique<CompletePlan>();
    for (std::unique_ptr<PersonalPlan>& personal : personalPlans)
        toolbox::AddOwned(plan->GetPersonalPlans(), std::move(personal));
    personalPlans.clear();
    return plan;
}

TaskExecution* PlanBuilder::Place(PersonalPlan& plan, Task* task, std::int32_t start)
{
    auto execution = std::make_unique<TaskExecution>(task);
    execution->SetStartTime(start);
    return &toolbox::AddOwned(plan.GetExecutions(), std::move(execution));
}

std::unique_ptr<PersonalPlan> PlanBuilder::MakePlan(Profile* profile, std::initializer_list<Placement> placements)
{
    auto plan = std::make_unique<PersonalPlan>(profile);
    for (const Placement& placement : placements)
        Place(*plan, placement.task, placement.start);
    return plan;
}

PersonalPlan* PlanBuilder::AddPersonalPlan(
    CompletePlan& plan, Profile* profile, std::initializer_list<Placement> placements)
{
    return &toolbox::AddOwned(plan.GetPersonalPlans(), MakePlan(profile, placements));
}

CompletePlan* PlanBuilder::AddCompletePlan(
    toolbox::ArrayList<CompletePlan>& plans, std::initializer_list<std::pair<Profile*, std::int32_t>> delays)
{
    auto plan = std::make_unique<CompletePlan>();
    for (const auto& [profile, delay] : delays) {
        PersonalPlan* personal = AddPersonalPlan(*plan, profile);
        std::int32_t start = profile->GetEndTime() - delay - profile->GetTotalDuration();
        for (const PrecedenceRelation* relation : profile->GetPrecedenceRelations()) {
            Place(*personal, relation->GetTask(), start);
            start += relation->GetTask()->GetDuration();
        }
    }
    return &toolbox::AddOwned(plans, std::move(plan));
}

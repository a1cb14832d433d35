#include "Scenario.h"

#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <limits>

void Scenario::Choose(Profile* profile)
{
    computation.ChooseProfile(*profile);
}

std::unique_ptr<toolbox::ArrayList<CompletePlan>> Scenario::Compute(std::uint32_t seed) const
{
    return computation.ComputePlans(seed);
}

std::int32_t StartOf(const CompletePlan& plan, const Profile* profile, const Task* task)
{
    for (const PersonalPlan* personal : plan.GetPersonalPlans()) {
        if (personal->GetProfile() != profile)
            continue;
        const TaskExecution* execution = personal->FindExecution(task);
        if (execution)
            return execution->GetStartTime();
    }
    return std::numeric_limits<std::int32_t>::min();
}

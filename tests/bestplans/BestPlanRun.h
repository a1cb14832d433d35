#pragma once

#include "bestplans/BestPlanComputation.h"
#include "bestplans/SearchControl.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/PlanChecker.h"
#include "planning/TaskExecution.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// One best-plan search over chosen profiles, with what it answered.
struct BestPlanRun {
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> plans;
    bool proven = false;
    std::vector<std::string> reasons;

    static BestPlanRun Of(const toolbox::ArrayList<Profile>& chosen, SearchControl&& control = SearchControl())
    {
        BestPlanComputation computation(chosen);
        computation.Run(control);
        BestPlanRun run;
        run.proven = computation.IsProven();
        run.reasons = computation.GetReasons();
        run.plans = computation.TakePlans();
        return run;
    }

    int GetCount() const { return plans->GetCount(); }
    std::int32_t DelayOf(int plan) const { return plans->Get(plan)->GetTotalDelay(); }
    // The start of `task` in plan `plan`, or -99999 when it is not there.
    std::int32_t StartOf(int plan, const Task* task) const
    {
        for (const PersonalPlan* personal : plans->Get(plan)->GetPersonalPlans()) {
            if (const TaskExecution* execution = personal->FindExecution(task))
                return execution->GetStartTime();
        }
        return -99999;
    }
};

// Every plan keeps every rule, no two are the same schedule, and the total
// delays never fall.
inline void ExpectSoundDistinctAscending(const BestPlanRun& run, const toolbox::ArrayList<Profile>& chosen)
{
    EXPECT_LE(run.GetCount(), 20);
    for (int plan = 0; plan < run.GetCount(); ++plan) {
        EXPECT_EQ(PlanChecker::Check(*run.plans->Get(plan), chosen), std::vector<std::string>()) << "plan " << plan;
        if (plan > 0) {
            EXPECT_LE(run.DelayOf(plan - 1), run.DelayOf(plan));
        }
        for (int other = 0; other < plan; ++other) {
            bool same = true;
            const auto& left = run.plans->Get(plan)->GetPersonalPlans();
            const auto& right = run.plans->Get(other)->GetPersonalPlans();
            for (int personal = 0; personal < left.GetCount(); ++personal) {
                for (const TaskExecution* execution : left.Get(personal)->GetExecutions()) {
                    const TaskExecution* twin = right.Get(personal)->FindExecution(execution->GetTask());
                    same = same && twin && twin->GetStartTime() == execution->GetStartTime();
                }
            }
            EXPECT_FALSE(same) << "plans " << other << " and " << plan << " are the same schedule";
        }
    }
}

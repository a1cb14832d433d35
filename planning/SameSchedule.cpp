#include "planning/SameSchedule.h"

#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

bool SameSchedule::Of(const PersonalPlan& left, const PersonalPlan& right)
{
    if (left.GetProfile() != right.GetProfile() || left.GetExecutions().GetCount() != right.GetExecutions().GetCount())
        return false;
    // By task rather than by position: executions starting in the same
    // minute may stand in either order.
    for (const TaskExecution* execution : left.GetExecutions()) {
        const TaskExecution* counterpart = right.FindExecution(execution->GetTask());
        if (!counterpart || counterpart->GetStartTime() != execution->GetStartTime())
            return false;
    }
    return true;
}

bool SameSchedule::Of(const CompletePlan& left, const CompletePlan& right)
{
    const auto& leftPlans = left.GetPersonalPlans();
    const auto& rightPlans = right.GetPersonalPlans();
    if (leftPlans.GetCount() != rightPlans.GetCount())
        return false;
    for (int i = 0; i < leftPlans.GetCount(); ++i) {
        if (!Of(*leftPlans.Get(i), *rightPlans.Get(i)))
            return false;
    }
    return true;
}

int SameSchedule::FirstEarlierIndex(const toolbox::ArrayList<CompletePlan>& plans, int index)
{
    const CompletePlan* plan = plans.Get(index);
    if (!plan)
        return -1;
    for (int earlier = 0; earlier < index; ++earlier) {
        if (Of(*plans.Get(earlier), *plan))
            return earlier;
    }
    return -1;
}

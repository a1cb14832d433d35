#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/SameSchedule.h"

#include "dialogs/PlanRowToolTip.h"

#include "dialogs/PersonalPlanTimetable.h"

#include <QStringList>

QString PlanRowToolTip::OfPlan(const toolbox::ArrayList<CompletePlan>& plans, int index)
{
    const CompletePlan* plan = plans.Get(index);
    if (!plan)
        return QString();
    QStringList lines;
    for (const PersonalPlan* personal : plan->GetPersonalPlans()) {
        lines.append(QStringLiteral("%1: %2 minutes delay")
                         .arg(PersonalPlanTimetable::PersonNameOf(*personal), QString::number(personal->GetDelay())));
    }
    const int same = SameSchedule::FirstEarlierIndex(plans, index);
    if (same >= 0)
        lines.append(QStringLiteral("(same as plan %1)").arg(same + 1));
    return lines.join(QLatin1Char('\n'));
}

QString PlanRowToolTip::OfPerson(const PersonalPlan& plan)
{
    return QStringLiteral("Profile '%1', %2 minutes delay")
        .arg(PersonalPlanTimetable::ProfileNameOf(plan), QString::number(plan.GetDelay()));
}

// The model comes before Qt, whose "slots" keyword clashes with its names.
#include "model/Person.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include "dialogs/PersonalPlanTimetable.h"

#include "app/NameText.h"

#include <cstdlib>

QList<PersonalPlanTimetable::Row> PersonalPlanTimetable::RowsOf(const PersonalPlan& plan)
{
    QList<Row> rows;
    const TaskExecution* first = plan.GetExecutions().GetFirst();
    if (!first)
        return rows;
    std::int32_t cursor = first->GetStartTime();
    for (const TaskExecution* execution : plan.GetExecutions()) {
        const std::int32_t start = execution->GetStartTime();
        if (start > cursor)
            rows.append({ cursor, RowKind::Pause, QString() });
        const Task* task = execution->GetTask();
        rows.append({ start, RowKind::Task, NameText::ToDisplay(task ? task->GetName() : nullptr) });
        cursor = start + (task ? task->GetDuration() : 0);
    }
    return rows;
}

QString PersonalPlanTimetable::FormatTime(std::int32_t minutes)
{
    // Widened first: the absolute value of the smallest minute count does not
    // fit its own type.
    const long long magnitude = std::llabs(static_cast<long long>(minutes));
    return QStringLiteral("%1%2:%3")
        .arg(minutes < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 60, 2, 10, QLatin1Char('0'))
        .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

QString PersonalPlanTimetable::PersonNameOf(const PersonalPlan& plan)
{
    const Profile* profile = plan.GetProfile();
    const Person* person = profile ? profile->GetOwner() : nullptr;
    return NameText::ToDisplay(person ? person->GetName() : nullptr);
}

QString PersonalPlanTimetable::ProfileNameOf(const PersonalPlan& plan)
{
    const Profile* profile = plan.GetProfile();
    return NameText::ToDisplay(profile ? profile->GetName() : nullptr);
}

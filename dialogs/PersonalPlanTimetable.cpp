#include "model/Person.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/PersonalPlan.h"
#include "planning/Timetable.h"

#include "dialogs/PersonalPlanTimetable.h"

#include "app/triext/NameText.h"

QList<PersonalPlanTimetable::Row> PersonalPlanTimetable::RowsOf(const PersonalPlan& plan)
{
    QList<Row> rows;
    for (const Timetable::Row& row : Timetable::RowsOf(plan)) {
        if (row.task)
            rows.append({ row.minute, RowKind::Task, NameText::ToDisplay(row.task->GetName()) });
        else
            rows.append({ row.minute, RowKind::Pause, QString() });
    }
    return rows;
}

QString PersonalPlanTimetable::FormatTime(std::int32_t minutes)
{
    char text[Timetable::clockTextSize];
    Timetable::FormatClock(minutes, text);
    return QString::fromLatin1(text);
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

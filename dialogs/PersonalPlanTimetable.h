#pragma once

#include <QList>
#include <QString>

#include <cstdint>

class PersonalPlan;

// The rows of a personal plan's timetable, shared by the dialog and the
// printout: a pause row wherever the next task starts later than the
// previous one ended, then a row per task, in the order of the executions.
class PersonalPlanTimetable {
public:
    enum class RowKind { Pause, Task };

    struct Row {
        std::int32_t minute;
        RowKind kind;
        // The task's name as shown; empty for a pause.
        QString taskName;
    };

    static QList<Row> RowsOf(const PersonalPlan& plan);

    // "hh:mm", not wrapped past midnight; a negative time shows its sign
    // once in front of the absolute hours and minutes (-90 is "-01:30").
    static QString FormatTime(std::int32_t minutes);

    // The name of the person who owns the plan's profile, as shown.
    static QString PersonNameOf(const PersonalPlan& plan);
    static QString ProfileNameOf(const PersonalPlan& plan);
};

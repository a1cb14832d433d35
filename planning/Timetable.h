#pragma once

#include <cstdint>
#include <vector>

class PersonalPlan;
class Task;

// A personal plan read as a timetable: a pause row wherever an execution
// starts later than the previous one ended, then a row per execution, in the
// order of the executions. Shared by every view of a plan (dialog, printout,
// command line) so that they all show the same rows.
class Timetable {
public:
    struct Row {
        std::int32_t minute;
        // Null for a pause.
        const Task* task;
    };

    static std::vector<Row> RowsOf(const PersonalPlan& plan);

    // Enough for a sign, ten digits of hours, a colon, two digits and the end.
    static constexpr int clockTextSize = 16;

    // "hh:mm" with at least two digits each, not wrapped past midnight; a
    // negative time shows its sign once in front of the absolute hours and
    // minutes, so -90 reads "-01:30".
    static void FormatClock(std::int32_t minutes, char (&text)[clockTextSize]);
};

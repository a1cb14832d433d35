#include "planning/Timetable.h"

#include "model/Task.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <cstdio>

std::vector<Timetable::Row> Timetable::RowsOf(const PersonalPlan& plan)
{
    std::vector<Row> rows;
    const auto& executions = plan.GetExecutions();
    if (executions.GetCount() == 0)
        return rows;
    std::int64_t cursor = executions.GetFirst()->GetStartTime();
    for (const TaskExecution* execution : executions) {
        if (execution->GetStartTime() > cursor)
            rows.push_back({ static_cast<std::int32_t>(cursor), nullptr });
        rows.push_back({ execution->GetStartTime(), execution->GetTask() });
        cursor = static_cast<std::int64_t>(execution->GetStartTime()) + execution->GetTask()->GetDuration();
    }
    return rows;
}

void Timetable::FormatClock(std::int32_t minutes, char (&text)[clockTextSize])
{
    // Widened, so that the smallest 32-bit value has an absolute value too.
    std::int64_t magnitude = minutes < 0 ? -static_cast<std::int64_t>(minutes) : minutes;
    std::snprintf(text, clockTextSize, "%s%02lld:%02lld", minutes < 0 ? "-" : "",
        static_cast<long long>(magnitude / 60), static_cast<long long>(magnitude % 60));
}

#include "timeline/TimelineChart.h"

#include "model/CompareByName.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <algorithm>

namespace {

TimelineChart::Block BlockOf(const TaskExecution& execution, const PersonalPlan& owner)
{
    const std::int64_t start = execution.GetStartTime();
    const std::int64_t duration = execution.GetTask()->GetDuration();
    return { start, start + std::max<std::int64_t>(duration, 0), &execution, &owner, 0 };
}

// Puts each block into the first lane that is free at its start, so that
// blocks sharing a lane never overlap; returns the number of lanes used.
int AssignLanes(std::vector<TimelineChart::Block>& blocks)
{
    std::stable_sort(blocks.begin(), blocks.end(), [](const auto& a, const auto& b) { return a.start < b.start; });
    std::vector<std::int64_t> laneEnds;
    for (TimelineChart::Block& block : blocks) {
        auto free
            = std::find_if(laneEnds.begin(), laneEnds.end(), [&](std::int64_t end) { return end <= block.start; });
        if (free == laneEnds.end())
            free = laneEnds.insert(laneEnds.end(), block.end);
        *free = block.end;
        block.lane = static_cast<int>(free - laneEnds.begin());
    }
    return std::max<int>(1, static_cast<int>(laneEnds.size()));
}

bool Requires(const Task& task, const Resource* resource)
{
    for (const Resource* required : task.GetRequiredResources()) {
        if (required == resource)
            return true;
    }
    return false;
}

} // namespace

TimelineChart::TimelineChart(const CompletePlan& plan)
    : plan(plan)
{
    AddPersonRows();
    AddResourceRows();
    FindSpan();
}

int TimelineChart::RowOf(const PersonalPlan* personalPlan) const
{
    for (int row = 0; row < personRowCount; ++row) {
        if (rows[row].plan == personalPlan)
            return row;
    }
    return -1;
}

void TimelineChart::AddPersonRows()
{
    for (const PersonalPlan* personal : plan.GetPersonalPlans()) {
        Row row { RowKind::Person, personal, nullptr, {}, 1 };
        for (const TaskExecution* execution : personal->GetExecutions())
            row.blocks.push_back(BlockOf(*execution, *personal));
        row.laneCount = AssignLanes(row.blocks);
        rows.push_back(std::move(row));
    }
    personRowCount = static_cast<int>(rows.size());
}

void TimelineChart::AddResourceRows()
{
    std::vector<const Resource*> used;
    for (const PersonalPlan* personal : plan.GetPersonalPlans()) {
        for (const TaskExecution* execution : personal->GetExecutions()) {
            for (const Resource* resource : execution->GetTask()->GetRequiredResources()) {
                if (std::find(used.begin(), used.end(), resource) == used.end())
                    used.push_back(resource);
            }
        }
    }
    std::stable_sort(
        used.begin(), used.end(), [](const Resource* a, const Resource* b) { return CompareByName(a, b) < 0; });
    for (const Resource* resource : used) {
        Row row { RowKind::Resource, nullptr, resource, {}, 1 };
        for (const PersonalPlan* personal : plan.GetPersonalPlans()) {
            for (const TaskExecution* execution : personal->GetExecutions()) {
                if (Requires(*execution->GetTask(), resource))
                    row.blocks.push_back(BlockOf(*execution, *personal));
            }
        }
        row.laneCount = AssignLanes(row.blocks);
        rows.push_back(std::move(row));
    }
}

void TimelineChart::FindSpan()
{
    bool first = true;
    auto include = [&](std::int64_t minute) {
        firstMinute = first ? minute : std::min(firstMinute, minute);
        lastMinute = first ? minute : std::max(lastMinute, minute);
        first = false;
    };
    for (const Row& row : rows) {
        if (row.plan)
            include(row.plan->GetEndTime());
        for (const Block& block : row.blocks) {
            include(block.start);
            include(block.end);
        }
    }
}

#pragma once

#include <cstdint>
#include <vector>

class CompletePlan;
class PersonalPlan;
class Resource;
class TaskExecution;

// What the timeline of a complete plan shows, in minutes: one row per
// personal plan in the plan's order, then one row per resource that a
// placed task requires, in name order, each holding a block per execution
// from its start to its end. Blocks that overlap in a row (a resource shared
// by several at once) go to separate lanes. Refers to the plan without owning
// it; the plan must outlive the chart.
class TimelineChart {
public:
    enum class RowKind { Person, Resource };

    struct Block {
        std::int64_t start;
        // Never before the start, also for a task of no duration.
        std::int64_t end;
        const TaskExecution* execution;
        // The personal plan the execution belongs to.
        const PersonalPlan* owner;
        int lane;
    };

    struct Row {
        RowKind kind;
        // The personal plan of a person row; null for a resource row.
        const PersonalPlan* plan;
        // The resource of a resource row; null for a person row.
        const Resource* resource;
        // In ascending order of start.
        std::vector<Block> blocks;
        int laneCount;
    };

    explicit TimelineChart(const CompletePlan& plan);

    const CompletePlan& GetPlan() const { return plan; }
    const std::vector<Row>& GetRows() const { return rows; }
    int GetPersonRowCount() const { return personRowCount; }

    // The span every block and every end time lies in.
    std::int64_t GetFirstMinute() const { return firstMinute; }
    std::int64_t GetLastMinute() const { return lastMinute; }

    // The row of a personal plan of this chart, or -1.
    int RowOf(const PersonalPlan* personalPlan) const;

private:
    void AddPersonRows();
    void AddResourceRows();
    void FindSpan();

    const CompletePlan& plan;
    std::vector<Row> rows;
    int personRowCount = 0;
    std::int64_t firstMinute = 0;
    std::int64_t lastMinute = 0;
};

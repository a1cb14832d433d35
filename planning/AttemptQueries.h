#pragma once

#include "model/BorrowedList.h"

#include <cstdint>
#include <memory>

class CompletePlan;
class PersonalPlan;
class Resource;
class Task;

// The questions the minute-by-minute sweep asks of the attempt it builds,
// answered by walking the records each time, with nothing remembered.
class AttemptQueries {
public:
    explicit AttemptQueries(const CompletePlan& attempt);

    // The tasks of `plan`'s profile, in relation order, that may end exactly
    // at `minute`: not placed yet, precedences kept, resources free, and a
    // start that a 32-bit minute can hold.
    std::unique_ptr<BorrowedList<Task>> GetCandidateTasks(const PersonalPlan& plan, std::int32_t minute) const;

    // False when an execution of a task that requires `resource` runs
    // during part of [from, to). Intervals that only touch do not conflict.
    bool IsResourceFree(const Resource* resource, std::int64_t from, std::int64_t to) const;

    // Whether `task` may end at `minute` with respect to every already
    // placed task of `plan` that must follow it.
    static bool ArePrecedencesSatisfied(const PersonalPlan& plan, const Task* task, std::int32_t minute);

private:
    const CompletePlan& attempt;
};

#pragma once

#include "planning/TaskExecution.h"
#include "toolbox/ArrayList.h"

#include <cstdint>

class Profile;
class Task;

// One person's schedule for one profile. Owns its executions, which stay
// in ascending order of start; refers to the profile without owning it.
class PersonalPlan {
public:
    explicit PersonalPlan(Profile* plannedProfile);
    ~PersonalPlan();
    PersonalPlan(const PersonalPlan&) = delete;
    PersonalPlan& operator=(const PersonalPlan&) = delete;

    Profile* GetProfile() const { return profile; }
    toolbox::ArrayList<TaskExecution>& GetExecutions() { return executions; }
    const toolbox::ArrayList<TaskExecution>& GetExecutions() const { return executions; }

    // The start of the first execution, or the profile's end time while
    // there is none.
    std::int32_t GetStartTime() const;
    // The profile's end time.
    std::int32_t GetEndTime() const;
    // End time minus total duration minus start time: the idle minutes of a
    // plan that holds every task of the profile. Exact, however large the
    // typed-in durations are.
    std::int64_t GetExactDelay() const;
    // The exact delay brought into the 32 bits in which it is shown.
    std::int32_t GetDelay() const;

    // The one formula of the delay, for records and searches alike.
    static std::int64_t DelayOf(std::int32_t endTime, std::int64_t totalDuration, std::int32_t startTime)
    {
        return std::int64_t { endTime } - totalDuration - startTime;
    }

    // The first execution of `task`, or null.
    const TaskExecution* FindExecution(const Task* task) const
    {
        for (const TaskExecution* execution : executions) {
            if (execution->GetTask() == task)
                return execution;
        }
        return nullptr;
    }

private:
    Profile* profile;
    toolbox::ArrayList<TaskExecution> executions;
};

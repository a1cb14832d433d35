#pragma once

#include "model/BorrowedList.h"
#include "model/Task.h"
#include "toolbox/ArrayList.h"

#include <cstdint>
#include <memory>

class CompletePlan;
class Profile;
class TaskExecution;

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
    // plan that holds every task of the profile.
    std::int32_t GetDelay() const;

    // The first execution of `task`, or null.
    const TaskExecution* FindExecution(const Task* task) const;

    // The profile's tasks, in relation order, that may end exactly at
    // `minute` in `attempt`: not placed yet, precedences kept, resources free.
    std::unique_ptr<BorrowedList<Task>> GetCandidateTasks(const CompletePlan& attempt, std::int32_t minute) const;

    // Whether `task` may end at `minute` with respect to every already
    // placed task that must follow it.
    bool ArePrecedencesSatisfied(const Task* task, std::int32_t minute) const;

private:
    Profile* profile;
    toolbox::ArrayList<TaskExecution> executions;
};

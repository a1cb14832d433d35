#pragma once

#include <cstdint>

class Task;

// One placed task: the task and its start minute. The end is the start
// plus the task's duration and is not stored.
class TaskExecution {
public:
    explicit TaskExecution(Task* executedTask)
        : task(executedTask)
    {
    }

    Task* GetTask() const { return task; }
    std::int32_t GetStartTime() const { return start; }
    void SetStartTime(std::int32_t minute) { start = minute; }

private:
    Task* task;
    std::int32_t start = 0;
};

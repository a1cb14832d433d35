#pragma once

#include <cstdint>

class Task;

// An earlier task with the least and the most time allowed between its end
// and the start of the later task. 0 means no minimum and 32767 no maximum,
// but the search compares both like any other number.
class PrecedentTask {
public:
    static constexpr std::int32_t NoMinimum = 0;
    static constexpr std::int32_t NoMaximum = 32767;

    explicit PrecedentTask(Task* earlierTask)
        : task(earlierTask)
    {
    }
    PrecedentTask(const PrecedentTask&) = default;
    PrecedentTask& operator=(const PrecedentTask&) = default;

    Task* GetTask() const { return task; }

    std::int32_t GetMinimumTime() const { return minimumTime; }
    void SetMinimumTime(std::int32_t minutes) { minimumTime = minutes; }
    std::int32_t GetMaximumTime() const { return maximumTime; }
    void SetMaximumTime(std::int32_t minutes) { maximumTime = minutes; }

private:
    Task* task;
    std::int32_t minimumTime = NoMinimum;
    std::int32_t maximumTime = NoMaximum;
};

#pragma once

#include "toolbox/ArrayList.h"

#include <cstdint>
#include <string>
#include <vector>

class Profile;
class Task;

// What the best-plan search reads of the chosen profiles: numbers and names,
// copied once where the model lives, so that a search on another thread
// never touches the model. Entries refer to each other by index. Each
// profile's executions and gaps lie together, in the order of the profiles.
class PlanProblem {
public:
    struct PlannedProfile {
        std::string person;
        std::string name;
        std::int32_t endTime;
        // As the profile counts it, so that delays come out as its plans show them.
        std::int64_t totalDuration;
        int firstExecution;
        int executionCount;
        int firstGap;
        int gapCount;
    };
    // One task of a profile, executed once.
    struct Execution {
        int profile;
        std::int32_t duration;
        // Indices into the capacities, each resource once.
        std::vector<int> resources;
        std::string name;
    };
    // The earlier execution ends between `minimum` and `maximum` minutes
    // before the later one starts.
    struct Gap {
        int earlier;
        int later;
        std::int32_t minimum;
        std::int32_t maximum;
    };

    PlanProblem() = default;

    // Copies the profiles in the order given. `executedTasks`, when given,
    // receives the model's task of every execution, for mapping plans back.
    static PlanProblem FromProfiles(
        const toolbox::ArrayList<Profile>& chosenProfiles, std::vector<Task*>* executedTasks = nullptr);

    // One profile on its own with only those of its gaps that `keptGaps`
    // (one flag per gap of the profile) marks.
    PlanProblem ProfileAlone(int profile, const std::vector<bool>& keptGaps) const;

    const std::vector<PlannedProfile>& GetProfiles() const { return profiles; }
    const std::vector<Execution>& GetExecutions() const { return executions; }
    const std::vector<Gap>& GetGaps() const { return gaps; }
    // How many executions may use each resource at once: its amount, at least one.
    const std::vector<int>& GetCapacities() const { return capacities; }

private:
    void AddProfile(const Profile& profile, std::vector<const void*>& resourceKeys, std::vector<Task*>* executedTasks);
    void AddGaps(const Profile& profile, const std::vector<Task*>& tasks, int firstExecution);

    std::vector<PlannedProfile> profiles;
    std::vector<Execution> executions;
    std::vector<Gap> gaps;
    std::vector<int> capacities;
};

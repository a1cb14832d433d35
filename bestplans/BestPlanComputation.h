#pragma once

#include "bestplans/PlanProblem.h"
#include "model/BorrowedList.h"
#include "toolbox/ArrayList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CompletePlan;
class Profile;
class ProfileCopy;
class SearchControl;
class Task;

// The best plans for chosen profiles: up to 20 distinct plans in ascending
// total delay, the first proven best when the search could finish, or the
// reasons why there is none. The random search's best plan is the first to
// beat. Construction copies what the searches read, on the thread that owns
// the model; Run touches only that copy and may run on another thread;
// TakePlans builds the plan records for the model again and belongs to the
// model's thread. The chosen profiles must outlive the plans.
class BestPlanComputation {
public:
    explicit BestPlanComputation(const toolbox::ArrayList<Profile>& chosenProfiles);
    ~BestPlanComputation();
    BestPlanComputation(const BestPlanComputation&) = delete;
    BestPlanComputation& operator=(const BestPlanComputation&) = delete;

    void Run(SearchControl& control);
    // Only the reasons, for a selection on which another search found no
    // plan; empty when none is found in the time allowed.
    void ExplainNoPlan(SearchControl& control);

    // Whether the answer is final: the first plan has the least total delay
    // there is, or there is no plan at all. False when the time ran out.
    bool IsProven() const { return proven; }
    // The sentence that introduces the plans found: proven best, or the
    // best found in the time given.
    const char* GetHeading() const;
    // Why there is no plan, one sentence each; empty when plans were found.
    // Names come as stored.
    const std::vector<std::string>& GetReasons() const { return reasons; }

    // The plans found, in ascending total delay; never null. Each personal
    // plan refers to its profile and each execution to its task.
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> TakePlans();

private:
    // The random search's best plan on the copy, as starts; empty when it
    // found none.
    std::vector<std::int32_t> FindRandomSearchPlan() const;

    BorrowedList<Profile> profiles;
    std::unique_ptr<ProfileCopy> copy;
    // The copy's task of every execution of the problem.
    std::vector<Task*> copiedTasks;
    PlanProblem problem;
    bool proven = false;
    std::vector<std::string> reasons;
    // One start per execution of the problem, for each plan found.
    std::vector<std::vector<std::int32_t>> schedules;
};

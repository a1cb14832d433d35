#pragma once

#include "model/BorrowedList.h"
#include "toolbox/ArrayList.h"

#include <cstdint>
#include <memory>

class CompletePlan;
class PersonalPlan;
class PlanRandom;
class Profile;

// The plan search as a plain backward sweep, one minute at a time, with
// nothing cached between scans. It is slow on large models but easy to
// follow, and it is the reference that any faster search must match draw
// for draw.
class MinuteByMinuteSearch {
public:
    MinuteByMinuteSearch(const toolbox::ArrayList<Profile>& chosenProfiles, PlanRandom& random);

    // Every attempt of one run, best plans first, at most 20. Never null.
    std::unique_ptr<toolbox::ArrayList<CompletePlan>> Run();

    // One backward sweep; the plan may be incomplete.
    std::unique_ptr<CompletePlan> BuildAttempt();

    // Whether every personal plan holds as many executions as its profile
    // has relations.
    static bool IsComplete(const CompletePlan& attempt);

    // How many attempts the last Run made.
    int GetAttemptsMade() const { return attemptsMade; }

private:
    std::int32_t LatestEndTime() const;
    // The personal plans that are free at `minute` and have a candidate;
    // `busy` tells whether some plan starts after `minute`.
    static void Scan(
        const CompletePlan& attempt, std::int32_t minute, BorrowedList<PersonalPlan>& eligible, bool& busy);
    void PlaceOneTask(const CompletePlan& attempt, PersonalPlan& plan, std::int32_t minute);

    const toolbox::ArrayList<Profile>& chosenProfiles;
    PlanRandom& random;
    int attemptsMade = 0;
};

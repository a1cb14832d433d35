#include "planning/MinuteByMinuteSearch.h"

#include "model/BorrowedList.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/AttemptQueries.h"
#include "planning/CompareByTotalDelay.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/PlanRandom.h"
#include "planning/SearchLimits.h"
#include "planning/TaskExecution.h"
#include "toolbox/NewOwned.h"

MinuteByMinuteSearch::MinuteByMinuteSearch(const toolbox::ArrayList<Profile>& profiles, PlanRandom& generator)
    : chosenProfiles(profiles)
    , random(generator)
{
}

std::unique_ptr<toolbox::ArrayList<CompletePlan>> MinuteByMinuteSearch::Run()
{
    auto result = std::make_unique<toolbox::ArrayList<CompletePlan>>();
    int zeroDelayPlans = 0;
    attemptsMade = 0;
    while (SearchLimits::MayAttemptAgain(attemptsMade, zeroDelayPlans)) {
        ++attemptsMade;
        std::unique_ptr<CompletePlan> attempt = BuildAttempt();
        if (!IsComplete(*attempt))
            continue;
        if (attempt->GetExactTotalDelay() == 0)
            ++zeroDelayPlans;
        toolbox::AddOwned(*result, std::move(attempt));
    }
    result->Sort(CompareByTotalDelay);
    while (result->GetCount() > SearchLimits::MaximumPlansKept)
        result->DeleteLast();
    return result;
}

std::unique_ptr<CompletePlan> MinuteByMinuteSearch::BuildAttempt()
{
    auto attempt = std::make_unique<CompletePlan>();
    for (Profile* profile : chosenProfiles)
        toolbox::AddOwned(attempt->GetPersonalPlans(), std::make_unique<PersonalPlan>(profile));
    std::int32_t minute = LatestEndTime();
    BorrowedList<PersonalPlan> eligible;
    for (;;) {
        bool busy = false;
        Scan(*attempt, minute, eligible, busy);
        if (eligible.GetCount() == 0) {
            // The clock only runs back while somebody is still working.
            if (!busy)
                break;
            --minute;
            continue;
        }
        PersonalPlan* chosen = eligible.Get(random.Choose(eligible.GetCount()));
        PlaceOneTask(*attempt, *chosen, minute);
    }
    return attempt;
}

bool MinuteByMinuteSearch::IsComplete(const CompletePlan& attempt)
{
    for (const PersonalPlan* plan : attempt.GetPersonalPlans()) {
        if (plan->GetExecutions().GetCount() < plan->GetProfile()->GetPrecedenceRelations().GetCount())
            return false;
    }
    return true;
}

std::int32_t MinuteByMinuteSearch::LatestEndTime() const
{
    std::int32_t latest = 0;
    for (const Profile* profile : chosenProfiles) {
        if (profile->GetEndTime() > latest)
            latest = profile->GetEndTime();
    }
    return latest;
}

void MinuteByMinuteSearch::Scan(
    const CompletePlan& attempt, std::int32_t minute, BorrowedList<PersonalPlan>& eligible, bool& busy)
{
    AttemptQueries queries(attempt);
    eligible.RemoveAll();
    for (PersonalPlan* plan : attempt.GetPersonalPlans()) {
        if (plan->GetStartTime() < minute) {
            busy = true;
            continue;
        }
        if (queries.GetCandidateTasks(*plan, minute)->GetCount() > 0)
            eligible.Add(plan);
    }
}

void MinuteByMinuteSearch::PlaceOneTask(const CompletePlan& attempt, PersonalPlan& plan, std::int32_t minute)
{
    std::unique_ptr<BorrowedList<Task>> candidates = AttemptQueries(attempt).GetCandidateTasks(plan, minute);
    Task* task = candidates->Get(random.Choose(candidates->GetCount()));
    auto execution = std::make_unique<TaskExecution>(task);
    // A candidate's start always fits in 32 bits.
    execution->SetStartTime(static_cast<std::int32_t>(std::int64_t { minute } - task->GetDuration()));
    toolbox::InsertOwned(plan.GetExecutions(), std::move(execution), 0);
}

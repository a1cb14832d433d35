#pragma once

#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>

// Builds the small models and hand-made plans that the plan dialog tests
// look at. The model owns the persons; plans built here are owned by the
// caller and refer to the model.
class PlanTestModel {
public:
    struct Placement {
        Task* task;
        std::int32_t start;
    };

    PlanningModel model;

    Person* AddPerson(const char* name)
    {
        auto* person = new Person;
        person->SetName(name);
        model.GetPersons().Add(person);
        return person;
    }

    static Task* AddTask(Person* person, const char* name, std::int32_t duration)
    {
        auto* task = new Task(person);
        task->SetName(name);
        task->SetDuration(duration);
        person->GetTasks().Add(task);
        return task;
    }

    static Profile* AddProfile(
        Person* person, const char* name, std::int32_t endTime, std::initializer_list<Task*> tasks = {})
    {
        auto* profile = new Profile(person);
        profile->SetName(name);
        profile->SetEndTime(endTime);
        for (Task* task : tasks) {
            auto* relation = new PrecedenceRelation;
            relation->SetTask(task);
            profile->GetPrecedenceRelations().Add(relation);
        }
        person->GetProfiles().Add(profile);
        return profile;
    }

    static std::unique_ptr<PersonalPlan> MakePlan(Profile* profile, std::initializer_list<Placement> placements)
    {
        auto plan = std::make_unique<PersonalPlan>(profile);
        for (const Placement& placement : placements) {
            auto* execution = new TaskExecution(placement.task);
            execution->SetStartTime(placement.start);
            plan->GetExecutions().Add(execution);
        }
        return plan;
    }

    // A complete plan with one personal plan per given profile, each placing
    // the profile's tasks back to back so that its last one ends `delay`
    // minutes before the end time.
    static CompletePlan* AddCompletePlan(
        toolbox::ArrayList<CompletePlan>& plans, std::initializer_list<std::pair<Profile*, std::int32_t>> delays)
    {
        auto* plan = new CompletePlan;
        plans.Add(plan);
        for (const auto& [profile, delay] : delays) {
            auto* personalPlan = new PersonalPlan(profile);
            std::int32_t start = profile->GetEndTime() - delay - profile->GetTotalDuration();
            for (const PrecedenceRelation* relation : profile->GetPrecedenceRelations()) {
                auto* execution = new TaskExecution(relation->GetTask());
                execution->SetStartTime(start);
                personalPlan->GetExecutions().Add(execution);
                start += relation->GetTask()->GetDuration();
            }
            plan->GetPersonalPlans().Add(personalPlan);
        }
        return plan;
    }
};

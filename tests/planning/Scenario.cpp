#include "Scenario.h"

#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

#include <limits>

Person* Scenario::AddPerson(const char* name)
{
    auto* person = new Person;
    person->SetName(name);
    model.GetPersons().Add(person);
    return person;
}

Resource* Scenario::AddResource(const char* name, std::int32_t amount)
{
    auto* resource = new Resource;
    resource->SetName(name);
    resource->SetAmount(amount);
    model.GetResources().Add(resource);
    return resource;
}

Task* Scenario::AddTask(
    Person* person, const char* name, std::int32_t duration, std::initializer_list<Resource*> resources)
{
    auto* task = new Task(person);
    task->SetName(name);
    task->SetDuration(duration);
    for (Resource* resource : resources)
        task->GetRequiredResources().Add(resource);
    person->GetTasks().Add(task);
    return task;
}

Profile* Scenario::AddProfile(Person* person, std::int32_t endTime, std::initializer_list<Task*> tasks)
{
    auto* profile = new Profile(person);
    profile->SetEndTime(endTime);
    person->GetProfiles().Add(profile);
    for (Task* task : tasks)
        Execute(profile, task);
    return profile;
}

void Scenario::Execute(Profile* profile, Task* task)
{
    auto* relation = new PrecedenceRelation;
    relation->SetTask(task);
    profile->GetPrecedenceRelations().Add(relation);
}

PrecedentTask* Scenario::Precede(
    Profile* profile, Task* earlier, Task* later, std::int32_t minimum, std::int32_t maximum)
{
    for (PrecedenceRelation* relation : profile->GetPrecedenceRelations()) {
        if (relation->GetTask() != later)
            continue;
        auto* entry = new PrecedentTask(earlier);
        entry->SetMinimumTime(minimum);
        entry->SetMaximumTime(maximum);
        relation->GetPrecedents().Add(entry);
        return entry;
    }
    return nullptr;
}

void Scenario::Choose(Profile* profile)
{
    computation.GetChosenProfiles().Add(profile);
}

std::unique_ptr<toolbox::ArrayList<CompletePlan>> Scenario::Compute(std::uint32_t seed) const
{
    return computation.ComputePlans(seed);
}

std::int32_t StartOf(const CompletePlan& plan, const Profile* profile, const Task* task)
{
    for (const PersonalPlan* personal : plan.GetPersonalPlans()) {
        if (personal->GetProfile() != profile)
            continue;
        const TaskExecution* execution = personal->FindExecution(task);
        if (execution)
            return execution->GetStartTime();
    }
    return std::numeric_limits<std::int32_t>::min();
}

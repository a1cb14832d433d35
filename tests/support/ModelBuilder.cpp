#include "ModelBuilder.h"

#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"

ModelBuilder::ModelBuilder(PlanningModel& model)
    : model(model)
{
}

Person* ModelBuilder::AddPerson(const char* name)
{
    auto* person = new Person;
    person->SetName(name);
    model.GetPersons().Add(person);
    return person;
}

Resource* ModelBuilder::AddResource(const char* name, std::int32_t amount)
{
    auto* resource = new Resource;
    resource->SetName(name);
    resource->SetAmount(amount);
    model.GetResources().Add(resource);
    return resource;
}

Task* ModelBuilder::AddTask(
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

Profile* ModelBuilder::AddProfile(
    Person* person, const char* name, std::int32_t endTime, std::initializer_list<Task*> tasks)
{
    auto* profile = new Profile(person);
    profile->SetName(name);
    profile->SetEndTime(endTime);
    person->GetProfiles().Add(profile);
    for (Task* task : tasks)
        Execute(profile, task);
    return profile;
}

void ModelBuilder::Execute(Profile* profile, Task* task)
{
    auto* relation = new PrecedenceRelation;
    relation->SetTask(task);
    profile->GetPrecedenceRelations().Add(relation);
}

PrecedentTask* ModelBuilder::Precede(
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

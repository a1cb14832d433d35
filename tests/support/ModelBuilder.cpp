#include "ModelBuilder.h"

#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "toolbox/NewOwned.h"

#include <memory>

ModelBuilder::ModelBuilder(PlanningModel& model)
    : model(model)
{
}

Person* ModelBuilder::AddPerson(const char* name)
{
    auto person = std::make_unique<Person>();
    person->SetName(name);
    return &model.AddPerson(std::move(person));
}

Resource* ModelBuilder::AddResource(const char* name, std::int32_t amount)
{
    auto resource = std::make_unique<Resource>();
    resource->SetName(name);
    resource->SetAmount(amount);
    return &model.AddResource(std::move(resource));
}

Task* ModelBuilder::AddTask(
    Person* person, const char* name, std::int32_t duration, std::initializer_list<Resource*> resources)
{
    auto task = std::make_unique<Task>(person);
    task->SetName(name);
    task->SetDuration(duration);
    for (Resource* resource : resources)
        task->GetRequiredResources().Add(resource);
    return &person->AddTask(std::move(task));
}

Profile* ModelBuilder::AddProfile(
    Person* person, const char* name, std::int32_t endTime, std::initializer_list<Task*> tasks)
{
    auto built = std::make_unique<Profile>(person);
    built->SetName(name);
    built->SetEndTime(endTime);
    Profile* profile = &person->AddProfile(std::move(built));
    for (Task* task : tasks)
        Execute(profile, task);
    return profile;
}

PrecedenceRelation* ModelBuilder::Execute(Profile* profile, Task* task)
{
    auto relation = std::make_unique<PrecedenceRelation>();
    relation->SetTask(task);
    return &toolbox::AddOwned(profile->GetPrecedenceRelations(), std::move(relation));
}

PrecedentTask* ModelBuilder::Precede(
    Profile* profile, Task* earlier, Task* later, std::int32_t minimum, std::int32_t maximum)
{
    for (PrecedenceRelation* relation : profile->GetPrecedenceRelations()) {
        if (relation->GetTask() == later)
            return Precede(relation, earlier, minimum, maximum);
    }
    return nullptr;
}

PrecedentTask* ModelBuilder::Precede(
    PrecedenceRelation* relation, Task* earlier, std::int32_t minimum, std::int32_t maximum)
{
    auto entry = std::make_unique<PrecedentTask>(earlier);
    entry->SetMinimumTime(minimum);
    entry->SetMaximumTime(maximum);
    return &toolbox::AddOwned(relation->GetPrecedents(), std::move(entry));
}

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
#include <random>
#include <string>

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

std::vector<Profile*> ModelBuilder::AddMorningRush(int persons, int tasks, unsigned seed)
{
    std::mt19937 random(seed);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<Resource*> resources { AddResource("Bathroom"), AddResource("Kitchen"), AddResource("Car") };
    std::vector<Profile*> profiles;
    for (int number = 0; number < persons; ++number) {
        Person* person = AddPerson(("Person " + std::to_string(number)).c_str());
        Profile* profile = AddProfile(person, "Morning", 480 + 15 * pick(0, 4));
        std::vector<Task*> executed;
        for (int count = 0; count < tasks; ++count) {
            Task* task = AddTask(person, ("Task " + std::to_string(count)).c_str(), 5 * pick(1, 8));
            if (pick(0, 1) == 1)
                task->GetRequiredResources().Add(resources[pick(0, 2)]);
            Execute(profile, task);
            if (!executed.empty() && pick(0, 2) == 0) {
                std::int32_t minimum = pick(0, 3) == 0 ? 10 : 0;
                Task* earlier = executed[pick(0, static_cast<int>(executed.size()) - 1)];
                Precede(profile, earlier, task, minimum, pick(0, 3) == 0 ? minimum + 60 : 32767);
            }
            executed.push_back(task);
        }
        profiles.push_back(profile);
    }
    return profiles;
}

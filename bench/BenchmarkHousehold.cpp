#include "BenchmarkHousehold.h"

#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/PlanRandom.h"

#include <memory>
#include <string>

namespace {

constexpr int FirstEndTime = 7 * 60;
constexpr int LastEndTime = 20 * 60;

template <typename T> T* Adopt(toolbox::ArrayList<T>& list, std::unique_ptr<T> item)
{
    list.Add(item.get());
    return item.release();
}

} // namespace

BenchmarkHousehold::BenchmarkHousehold(int personCount, int taskCount)
    : persons(personCount)
    , tasksPerPerson(taskCount)
{
    PlanRandom random(20261208u);
    int resources = persons / 2 > 0 ? persons / 2 : 1;
    for (int index = 0; index < resources; ++index) {
        Resource* resource = Adopt(model.GetResources(), std::make_unique<Resource>());
        resource->SetName(("Resource " + std::to_string(index)).c_str());
    }
    for (int index = 0; index < persons; ++index)
        AddPerson(index, random);
}

void BenchmarkHousehold::AddPerson(int index, PlanRandom& random)
{
    Person* person = Adopt(model.GetPersons(), std::make_unique<Person>());
    person->SetName(("Person " + std::to_string(index)).c_str());
    Profile* profile = Adopt(person->GetProfiles(), std::make_unique<Profile>(person));
    int spread = persons > 1 ? index * (LastEndTime - FirstEndTime) / (persons - 1) : 0;
    profile->SetEndTime(FirstEndTime + spread / 5 * 5);
    for (int number = 0; number < tasksPerPerson; ++number) {
        Task* task = Adopt(person->GetTasks(), std::make_unique<Task>(person));
        task->SetName(("Task " + std::to_string(number)).c_str());
        task->SetDuration(5 * (1 + random.Choose(8)));
        if (random.Choose(4) == 0)
            task->GetRequiredResources().Add(model.GetResources().Get(random.Choose(model.GetResources().GetCount())));
        PrecedenceRelation* relation = Adopt(profile->GetPrecedenceRelations(), std::make_unique<PrecedenceRelation>());
        relation->SetTask(task);
        if (number == 0 || random.Choose(3) != 0)
            continue;
        Task* earlier = person->GetTasks().Get(random.Choose(number));
        PrecedentTask* entry = Adopt(relation->GetPrecedents(), std::make_unique<PrecedentTask>(earlier));
        if (random.Choose(5) == 0)
            entry->SetMinimumTime(5 * (1 + random.Choose(3)));
        if (random.Choose(4) == 0)
            entry->SetMaximumTime(entry->GetMinimumTime() + 120 + 30 * random.Choose(6));
    }
    computation.GetChosenProfiles().Add(profile);
}

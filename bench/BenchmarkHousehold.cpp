#include "BenchmarkHousehold.h"

#include "model/Person.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/Task.h"
#include "planning/PlanRandom.h"

#include <string>

namespace {

constexpr int FirstEndTime = 7 * 60;
constexpr int LastEndTime = 20 * 60;

} // namespace

BenchmarkHousehold::BenchmarkHousehold(int personCount, int taskCount, HouseholdFamily householdFamily)
    : persons(personCount)
    , tasksPerPerson(taskCount)
    , family(householdFamily)
{
    PlanRandom random(20261208u);
    int resources = persons / 2 > 0 ? persons / 2 : 1;
    for (int index = 0; index < resources; ++index)
        builder.AddResource(("Resource " + std::to_string(index)).c_str());
    for (int index = 0; index < persons; ++index)
        AddPerson(index, random);
}

void BenchmarkHousehold::AddPerson(int index, PlanRandom& random)
{
    Person* person = builder.AddPerson(("Person " + std::to_string(index)).c_str());
    int spread = persons > 1 ? index * (LastEndTime - FirstEndTime) / (persons - 1) : 0;
    Profile* profile = builder.AddProfile(person, "Day", FirstEndTime + spread / 5 * 5);
    for (int number = 0; number < tasksPerPerson; ++number) {
        Task* task = builder.AddTask(person, ("Task " + std::to_string(number)).c_str(), 5 * (1 + random.Choose(8)));
        if (random.Choose(4) == 0)
            task->GetRequiredResources().Add(model.GetResources().Get(random.Choose(model.GetResources().GetCount())));
        ModelBuilder::Execute(profile, task);
        if (number == 0 || random.Choose(3) != 0)
            continue;
        Task* earlier = person->GetTasks().Get(random.Choose(number));
        SetGaps(*ModelBuilder::Precede(profile, earlier, task), random);
    }
    computation.ChooseProfile(*profile);
}

void BenchmarkHousehold::SetGaps(PrecedentTask& entry, PlanRandom& random) const
{
    // The mixed family draws as it always did, so that its figures stay
    // comparable from one version to the next.
    if (family == HouseholdFamily::EveryTaskExecuted)
        return;
    if (random.Choose(5) == 0)
        entry.SetMinimumTime(5 * (1 + random.Choose(3)));
    if (family == HouseholdFamily::MaximumGaps)
        entry.SetMaximumTime(entry.GetMinimumTime() + 15 * random.Choose(9));
    else if (random.Choose(4) == 0)
        entry.SetMaximumTime(entry.GetMinimumTime() + 120 + 30 * random.Choose(6));
}

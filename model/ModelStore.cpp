#include "model/ModelStore.h"

#include "model/Person.h"
#include "model/PlanningModel.h"
#include "model/PrecedenceRelation.h"
#include "model/PrecedentTask.h"
#include "model/Profile.h"
#include "model/Resource.h"
#include "model/StoredNames.h"
#include "model/Task.h"
#include "toolbox/ConfigParameter.h"
#include "toolbox/ConfigSection.h"

#include <cstring>
#include <memory>

using toolbox::ConfigSection;

namespace {

// Loading order matters: resources before persons (tasks name resources),
// tasks before profiles (relations name tasks).

// The last entity of the name wins, compared byte by byte.
template <typename T> T* FindLastNamed(const toolbox::ArrayList<T>& list, const char* name)
{
    for (int i = list.GetCount() - 1; i >= 0; --i) {
        if (std::strcmp(list.Get(i)->GetName(), name) == 0)
            return list.Get(i);
    }
    return nullptr;
}

template <typename Visit> void ForEachSubsection(ConfigSection& section, Visit visit)
{
    std::unique_ptr<toolbox::PointeredList> subsections = section.GetSubsections();
    for (toolbox::PointeredListItem* item : *subsections)
        visit(*static_cast<ConfigSection*>(item->GetPointer()));
}

std::unique_ptr<Resource> LoadResource(ConfigSection& section)
{
    auto resource = std::make_unique<Resource>();
    resource->SetAmount(section.GetLong("Amount", 1));
    resource->SetName(section.GetName());
    return resource;
}

std::unique_ptr<Task> LoadTask(ConfigSection& section, Person& owner, const PlanningModel& model)
{
    auto task = std::make_unique<Task>(&owner);
    task->SetDuration(section.GetLong("Duration", 0));
    task->SetName(section.GetName());
    ForEachSubsection(section.GetSection("RequiredResources"), [&](ConfigSection& required) {
        if (Resource* resource = FindLastNamed(model.GetResources(), required.GetName()))
            task->Require(*resource);
    });
    return task;
}

void LoadPrecedents(ConfigSection& section, PrecedenceRelation& relation, const Person& owner)
{
    ForEachSubsection(section.GetSection("PrecedentTasks"), [&](ConfigSection& entry) {
        Task* earlier = FindLastNamed(owner.GetTasks(), entry.GetName());
        if (!earlier)
            return;
        PrecedentTask& precedent = relation.AddPrecedent(*earlier);
        precedent.SetMaximumTime(entry.GetLong("MaximumTime", PrecedentTask::NoMaximum));
        precedent.SetMinimumTime(entry.GetLong("MinimumTime", PrecedentTask::NoMinimum));
    });
}

std::unique_ptr<Profile> LoadProfile(ConfigSection& section, Person& owner)
{
    auto profile = std::make_unique<Profile>(&owner);
    profile->SetEndTime(section.GetLong("EndTime", 0));
    profile->SetName(section.GetName());
    ForEachSubsection(section.GetSection("PrecedenceRelations"), [&](ConfigSection& relationSection) {
        // A relation without its task could not be planned or shown.
        Task* task = FindLastNamed(owner.GetTasks(), relationSection.GetName());
        if (task)
            LoadPrecedents(relationSection, profile->Execute(*task), owner);
    });
    return profile;
}

std::unique_ptr<Person> LoadPerson(ConfigSection& section, const PlanningModel& model)
{
    auto person = std::make_unique<Person>();
    person->SetName(section.GetName());
    ForEachSubsection(section.GetSection("Tasks"),
        [&](ConfigSection& taskSection) { person->AddTask(LoadTask(taskSection, *person, model)); });
    person->SortTasks();
    ForEachSubsection(section.GetSection("Profiles"),
        [&](ConfigSection& profileSection) { person->AddProfile(LoadProfile(profileSection, *person)); });
    person->SortProfiles();
    return person;
}

void SaveTask(const Task& task, ConfigSection& section, const StoredNames& resourceNames)
{
    section.GetParameter("Duration").SetLong(task.GetDuration());
    ConfigSection& required = section.GetSection("RequiredResources");
    const toolbox::ArrayList<Resource>& resources = task.GetRequiredResources();
    for (int i = 0; i < resources.GetCount(); ++i) {
        if (const char* name = resourceNames.Find(resources.Get(i)))
            required.GetSection(name);
    }
}

void SaveRelation(const PrecedenceRelation& relation, ConfigSection& relations, const StoredNames& taskNames)
{
    const char* taskName = taskNames.Find(relation.GetTask());
    if (!taskName)
        return;
    ConfigSection& precedents = relations.GetSection(taskName).GetSection("PrecedentTasks");
    const toolbox::ArrayList<PrecedentTask>& entries = relation.GetPrecedents();
    for (int i = 0; i < entries.GetCount(); ++i) {
        const PrecedentTask& entry = *entries.Get(i);
        const char* earlierName = taskNames.Find(entry.GetTask());
        if (!earlierName)
            continue;
        ConfigSection& section = precedents.GetSection(earlierName);
        section.GetParameter("MaximumTime").SetLong(entry.GetMaximumTime());
        section.GetParameter("MinimumTime").SetLong(entry.GetMinimumTime());
    }
}

void SaveProfile(const Profile& profile, ConfigSection& section, const StoredNames& taskNames)
{
    section.GetParameter("EndTime").SetLong(profile.GetEndTime());
    ConfigSection& relations = section.GetSection("PrecedenceRelations");
    const toolbox::ArrayList<PrecedenceRelation>& list = profile.GetPrecedenceRelations();
    for (int i = 0; i < list.GetCount(); ++i)
        SaveRelation(*list.Get(i), relations, taskNames);
}

void SavePerson(const Person& person, ConfigSection& section, const StoredNames& resourceNames)
{
    ConfigSection& tasks = section.GetSection("Tasks");
    StoredNames taskNames(person.GetTasks());
    for (int i = 0; i < person.GetTasks().GetCount(); ++i)
        SaveTask(*person.GetTasks().Get(i), tasks.GetSection(taskNames.Get(i)), resourceNames);
    ConfigSection& profiles = section.GetSection("Profiles");
    StoredNames profileNames(person.GetProfiles());
    for (int i = 0; i < person.GetProfiles().GetCount(); ++i)
        SaveProfile(*person.GetProfiles().Get(i), profiles.GetSection(profileNames.Get(i)), taskNames);
}

} // namespace

void ModelStore::Load(PlanningModel& model, ConfigSection& root)
{
    model.Clear();
    ForEachSubsection(
        root.GetSection("Resources"), [&](ConfigSection& section) { model.AddResource(LoadResource(section)); });
    model.SortResources();
    ForEachSubsection(
        root.GetSection("Persons"), [&](ConfigSection& section) { model.AddPerson(LoadPerson(section, model)); });
    model.SortPersons();
}

void ModelStore::Save(const PlanningModel& model, ConfigSection& root)
{
    root.RemoveSection("Resources");
    ConfigSection& resources = root.GetSection("Resources");
    StoredNames resourceNames(model.GetResources());
    for (int i = 0; i < model.GetResources().GetCount(); ++i) {
        ConfigSection& section = resources.GetSection(resourceNames.Get(i));
        section.GetParameter("Amount").SetLong(model.GetResources().Get(i)->GetAmount());
    }
    root.RemoveSection("Persons");
    ConfigSection& persons = root.GetSection("Persons");
    StoredNames personNames(model.GetPersons());
    for (int i = 0; i < model.GetPersons().GetCount(); ++i)
        SavePerson(*model.GetPersons().Get(i), persons.GetSection(personNames.Get(i)), resourceNames);
}

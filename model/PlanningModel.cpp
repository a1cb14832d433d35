#include "model/PlanningModel.h"

#include "model/CompareByName.h"
#include "model/ModelTreeView.h"
#include "model/Person.h"
#include "model/Resource.h"
#include "toolbox/NewOwned.h"

PlanningModel::PlanningModel() = default;

PlanningModel::~PlanningModel()
{
    Clear();
}

Person& PlanningModel::AddPerson(std::unique_ptr<Person> person)
{
    return toolbox::AddOwned(persons, std::move(person));
}

Resource& PlanningModel::AddResource(std::unique_ptr<Resource> resource)
{
    return toolbox::AddOwned(resources, std::move(resource));
}

Person& PlanningModel::InsertPerson(std::unique_ptr<Person> person)
{
    Person& inserted = AddPerson(std::move(person));
    SortPersons();
    return inserted;
}

Resource& PlanningModel::InsertResource(std::unique_ptr<Resource> resource)
{
    Resource& inserted = AddResource(std::move(resource));
    SortResources();
    return inserted;
}

void PlanningModel::SortPersons()
{
    persons.Sort(CompareByName);
}

void PlanningModel::SortResources()
{
    resources.Sort(CompareByName);
}

void PlanningModel::SortAll()
{
    SortPersons();
    SortResources();
    for (Person* person : persons) {
        person->SortTasks();
        person->SortProfiles();
    }
}

void PlanningModel::InsertIntoTree(ModelTreeView& tree)
{
    TreeNodeHandle personsFolder = tree.InsertNode("Persons", TreeIcon::Folder, nullptr, nullptr);
    for (Person* person : persons)
        person->InsertIntoTree(tree, personsFolder);
    TreeNodeHandle resourcesFolder = tree.InsertNode("Resources", TreeIcon::Folder, nullptr, nullptr);
    for (Resource* resource : resources)
        resource->InsertIntoTree(tree, resourcesFolder);
}

void PlanningModel::Clear()
{
    persons.DeleteAll();
    resources.DeleteAll();
}

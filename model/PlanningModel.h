#pragma once

#include "model/TreeNodeHandle.h"
#include "toolbox/ArrayList.h"

#include <memory>

class ModelTreeView;
class Person;
class Resource;

// The two roots of the model: every person and every resource. Owns both
// lists and their entities; destroying the model destroys them all.
class PlanningModel {
public:
    PlanningModel();
    ~PlanningModel();
    PlanningModel(const PlanningModel&) = delete;
    PlanningModel& operator=(const PlanningModel&) = delete;

    toolbox::ArrayList<Person>& GetPersons() { return persons; }
    const toolbox::ArrayList<Person>& GetPersons() const { return persons; }
    toolbox::ArrayList<Resource>& GetResources() { return resources; }
    const toolbox::ArrayList<Resource>& GetResources() const { return resources; }

    // Take over a new person or resource and append it; the list is not
    // sorted.
    Person& AddPerson(std::unique_ptr<Person> person);
    Resource& AddResource(std::unique_ptr<Resource> resource);
    // The same for one the user inserts, which then takes its place by name.
    Person& InsertPerson(std::unique_ptr<Person> person);
    Resource& InsertResource(std::unique_ptr<Resource> resource);

    void SortPersons();
    void SortResources();
    // Persons, resources, and every person's tasks and profiles.
    void SortAll();

    // The "Persons" folder with every person below it, then the "Resources"
    // folder with every resource.
    void InsertIntoTree(ModelTreeView& tree);

    // Destroys every entity; resources last, since tasks refer to them.
    void Clear();

private:
    // Declared first so that it is destroyed after the persons.
    toolbox::ArrayList<Resource> resources;
    toolbox::ArrayList<Person> persons;
};

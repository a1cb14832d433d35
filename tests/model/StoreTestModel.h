#pragma once

#include "model/PlanningModel.h"

#include <cstdint>
#include <functional>
#include <string>

class Person;
class PrecedenceRelation;
class PrecedentTask;
class Profile;
class Resource;
class Task;

// Builds small models for the persistence tests in a few readable calls.
class StoreTestModel {
public:
    Resource* AddResource(const char* name, std::int32_t amount = 1);
    Person* AddPerson(const char* name);
    Task* AddTask(Person* person, const char* name, std::int32_t duration = 0);
    Profile* AddProfile(Person* person, const char* name, std::int32_t endTime = 0);
    PrecedenceRelation* Execute(Profile* profile, Task* task);
    PrecedentTask* Precede(
        PrecedenceRelation* relation, Task* earlier, std::int32_t minimum = 0, std::int32_t maximum = 32767);

    PlanningModel model;
};

// The whole model as one text that does not depend on list order where the
// store does not keep it. References are described by the referenced
// entity's name and numbers, so a reference to the wrong one of two equal
// names shows. `nameOf` maps every name before it is used.
std::string Describe(
    const PlanningModel& model,
    const std::function<std::string(const char*)>& nameOf = [](const char* name) { return name; });

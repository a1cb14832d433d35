#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

class Person;
class PlanningModel;
class PrecedenceRelation;
class PrecedentTask;
class Profile;
class Resource;
class Task;

// Builds the small planning models that tests of every layer look at, one
// entity per call. The model owns everything built; the pointers returned
// stay valid as long as it does. Resources, relations and precedents are
// appended as they are told, even twice, so that tests can also build states
// that the model's own operations refuse.
class ModelBuilder {
public:
    explicit ModelBuilder(PlanningModel& model);

    Person* AddPerson(const char* name);
    Resource* AddResource(const char* name, std::int32_t amount = 1);
    static Task* AddTask(
        Person* person, const char* name, std::int32_t duration = 0, std::initializer_list<Resource*> resources = {});
    // A profile of `person` ending at `endTime`, executing `tasks` in order.
    static Profile* AddProfile(
        Person* person, const char* name, std::int32_t endTime = 0, std::initializer_list<Task*> tasks = {});

    static PrecedenceRelation* Execute(Profile* profile, Task* task);
    // `earlier` must end between `minimum` and `maximum` minutes before
    // `later` starts; `later` must already be executed by the profile.
    static PrecedentTask* Precede(
        Profile* profile, Task* earlier, Task* later, std::int32_t minimum = 0, std::int32_t maximum = 32767);
    static PrecedentTask* Precede(
        PrecedenceRelation* relation, Task* earlier, std::int32_t minimum = 0, std::int32_t maximum = 32767);

    // A morning rush, the same for every `seed`: `persons` persons, each
    // with one profile ending between 08:00 and 09:00 that executes `tasks`
    // tasks of 5 to 40 minutes, half of them needing one of three shared
    // resources, with a few precedences. Searches rarely prove its best plan
    // quickly. Answers the profiles, one per person.
    std::vector<Profile*> AddMorningRush(int persons, int tasks, unsigned seed);

    PlanningModel& GetModel() { return model; }

private:
    PlanningModel& model;
};

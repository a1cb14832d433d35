#pragma once

#include "model/PlanningModel.h"
#include "planning/PlanComputation.h"

class PlanRandom;

// A generated model of a given size with one chosen profile per person, the
// same for every run: shared resources, precedences with minimum and
// maximum gaps, and end times spread from morning to evening.
class BenchmarkHousehold {
public:
    BenchmarkHousehold(int persons, int tasksPerPerson);

    const PlanComputation& GetComputation() const { return computation; }
    int GetTaskCount() const { return persons * tasksPerPerson; }

private:
    void AddPerson(int index, PlanRandom& random);

    int persons;
    int tasksPerPerson;
    PlanningModel model;
    PlanComputation computation;
};

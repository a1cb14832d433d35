#pragma once

#include <functional>
#include <string>

class PlanningModel;

// The whole model as one text that does not depend on list order where the
// store does not keep it. References are described by the referenced
// entity's name and numbers, so a reference to the wrong one of two equal
// names shows. `nameOf` maps every name before it is used.
std::string Describe(
    const PlanningModel& model,
    const std::function<std::string(const char*)>& nameOf = [](const char* name) { return name; });

#pragma once

#include <string>
#include <vector>

// What one run of ordovan-plan printed and answered; arguments exclude the
// program's name.
struct PlanToolOutcome {
    int status;
    std::string out;
    std::string err;
};

PlanToolOutcome RunPlanTool(const std::vector<std::string>& arguments);

#pragma once

#include "ModelBuilder.h"
#include "model/PlanningModel.h"

namespace detail {
// Constructed before the builder that refers to it.
struct ModelHolder {
    PlanningModel model;
};
} // namespace detail

// A planning model of its own with the builder that fills it.
class BuiltModel : private detail::ModelHolder, public ModelBuilder {
public:
    BuiltModel()
        : ModelBuilder(ModelHolder::model)
    {
    }
    BuiltModel(const BuiltModel&) = delete;
    BuiltModel& operator=(const BuiltModel&) = delete;

    using ModelHolder::model;
};

#pragma once

#include "BuiltModel.h"
#include "PlanBuilder.h"
#include "model/Person.h"
#include "model/PrecedenceRelation.h"
#include "model/Profile.h"
#include "model/Task.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"
#include "planning/TaskExecution.h"

// The small models and hand-made plans that the plan dialog tests look at.
// The model owns the persons; plans built here are owned by the caller and
// refer to the model.
class PlanTestModel : public BuiltModel, public PlanBuilder { };

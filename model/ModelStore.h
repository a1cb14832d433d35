#pragma once

namespace toolbox {
class ConfigSection;
}

class PlanningModel;

// The model's place in the configuration tree: the root's "Resources" and
// "Persons" sections. Entities are sections named after them, references are
// sections named after the referenced entity.
class ModelStore {
public:
    // Replaces the model by what the two sections hold, creating what is
    // missing with its default. References that name nothing are dropped.
    // Persons, resources, tasks and profiles end up sorted by name.
    static void Load(PlanningModel& model, toolbox::ConfigSection& root);
    // Rewrites both sections from the model. Entities that share a name under
    // one parent are told apart by a number (see StoredNames), and references
    // to them are written under that stored name.
    static void Save(const PlanningModel& model, toolbox::ConfigSection& root);
};

#pragma once

#include "model/TreeItem.h"
#include "toolbox/String.h"

class PlanningModel;

// Where an entity sits in the model, by kinds and by the names the store
// gives it, so that it can be found again in a model rebuilt from a
// snapshot, where every entity is a new object. Stored names tell apart
// entities that share a name, just as the rebuilt model does.
class ItemPath {
public:
    // The empty path, which leads nowhere.
    ItemPath() = default;

    // The path of an entity of `model`. For an entity that is not (or not
    // yet) in its list the path ends at the owner, or at the top folder.
    static ItemPath Of(const PlanningModel& model, const TreeItem* entity);

    // No kind at all: not even a top folder is known.
    bool IsEmpty() const { return !hasTopKind; }
    // The kind of the entities of the top folder the path starts in: persons
    // or resources. Meaningless for the empty path.
    TreeItemKind GetTopKind() const { return topKind; }
    // How many entities the path names: 0 (a top folder only), 1 (a person
    // or a resource) or 2 (a task or a profile of a person).
    int GetDepth() const { return depth; }

    // The entity at the path, or the nearest one above it that exists (the
    // person of a missing task); null when neither exists.
    TreeItem* FindNearest(const PlanningModel& model) const;

private:
    bool hasTopKind = false;
    TreeItemKind topKind = TreeItemKind::Person;
    int depth = 0;
    toolbox::String topName;
    TreeItemKind childKind = TreeItemKind::Task;
    toolbox::String childName;
};

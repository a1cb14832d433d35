#pragma once

#include "model/TreeNodeHandle.h"

#include <memory>

class ModelTreeView;
class PlanningModel;
class PropertyEditor;

enum class TreeItemKind { Person, Resource, Task, Profile };

// The common base of the entities shown in the main tree. Each owns a copy
// of its name and remembers its node in the tree.
class TreeItem {
public:
    TreeItem(const TreeItem&) = delete;
    TreeItem& operator=(const TreeItem&) = delete;
    virtual ~TreeItem();

    virtual TreeItemKind GetKind() const = 0;

    // Never null; the entity keeps its own copy of the text.
    const char* GetName() const;
    // A null name counts as the empty name.
    void SetName(const char* newName);

    TreeNodeHandle GetTreeNode() const { return node; }
    void SetTreeNode(TreeNodeHandle newNode) { node = newNode; }

    // Inserts this entity's node (and, for a person, its folders and their
    // entities) under `parent` and remembers the new node.
    virtual void InsertIntoTree(ModelTreeView& tree, TreeNodeHandle parent) = 0;

    // Removes the entity from the model with every reference to it and
    // destroys it; `this` is gone afterwards when the answer is true.
    // False when the entity was not found in its list (nothing happens then).
    virtual bool Delete(PlanningModel& model) = 0;

    // Shows the properties dialog. On OK the node text becomes the name (if
    // there is a node) and the list holding the entity is sorted by name; the
    // answer is true. On Cancel nothing else happens and the answer is false.
    virtual bool EditProperties(PlanningModel& model, PropertyEditor& editor, ModelTreeView& tree) = 0;

protected:
    explicit TreeItem(const char* initialName);

    void InsertOwnNode(ModelTreeView& tree, TreeNodeHandle parent, int iconIndex);
    // The common tail of EditProperties once the dialog said OK.
    void ShowNewName(ModelTreeView& tree);

private:
    std::unique_ptr<char[]> name;
    TreeNodeHandle node = nullptr;
};

#pragma once

#include "model/TreeNodeHandle.h"

class TreeItem;

// What the model needs from the tree that shows it. The window code
// implements it; the model never knows which widgets lie behind a handle.
class ModelTreeView {
public:
    virtual ~ModelTreeView() = default;

    // Appends a node under `parent` (the top level when null) showing
    // `label` with `iconIndex` as normal and selected image. `entity` is null
    // for folder nodes. Returns the new node's handle.
    virtual TreeNodeHandle InsertNode(const char* label, int iconIndex, TreeItem* entity, TreeNodeHandle parent) = 0;

    virtual void SetNodeText(TreeNodeHandle node, const char* label) = 0;
};

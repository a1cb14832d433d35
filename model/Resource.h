#pragma once

#include "model/TreeItem.h"

#include <cstdint>

// A shared resource. Only the model's resource list holds it; tasks refer
// to it without owning it. The search never reads the amount.
class Resource : public TreeItem {
public:
    Resource();

    TreeItemKind GetKind() const override { return TreeItemKind::Resource; }

    std::int32_t GetAmount() const { return amount; }
    void SetAmount(std::int32_t newAmount) { amount = newAmount; }

    void InsertIntoTree(ModelTreeView& tree, TreeNodeHandle parent) override;
    // Also takes the resource out of every task that requires it.
    bool Delete(PlanningModel& model) override;
    bool EditProperties(PlanningModel& model, PropertyEditor& editor, ModelTreeView& tree) override;

private:
    std::int32_t amount = 1;
};

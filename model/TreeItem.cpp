#include "model/TreeItem.h"

#include "model/ModelTreeView.h"

#include <cstring>

TreeItem::TreeItem(const char* initialName)
{
    SetName(initialName);
}

TreeItem::~TreeItem() = default;

const char* TreeItem::GetName() const
{
    return name.get();
}

void TreeItem::SetName(const char* newName)
{
    if (!newName)
        newName = "";
    std::size_t size = std::strlen(newName) + 1;
    auto copy = std::make_unique<char[]>(size);
    std::memcpy(copy.get(), newName, size);
    name = std::move(copy);
}

void TreeItem::InsertOwnNode(ModelTreeView& tree, TreeNodeHandle parent, int iconIndex)
{
    node = tree.InsertNode(GetName(), iconIndex, this, parent);
}

void TreeItem::ShowNewName(ModelTreeView& tree)
{
    if (node)
        tree.SetNodeText(node, GetName());
}

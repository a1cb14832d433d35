#include "model/CompareByName.h"

#include "model/TreeItem.h"
#include "toolbox/StrICmp.h"

int CompareByName(const TreeItem* left, const TreeItem* right)
{
    return toolbox::StrICmp(left->GetName(), right->GetName());
}

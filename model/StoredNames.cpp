#include "model/StoredNames.h"

#include "model/TreeItem.h"
#include "toolbox/NewOwned.h"
#include "toolbox/StringKeyHashMap.h"

#include <cassert>
#include <memory>

namespace {

// How far the numbering of one name has come.
struct NameUse {
    int nextNumber = 2;
};

using NameUses = toolbox::StringKeyHashMap<NameUse>;

void Reserve(NameUses& uses, const char* name)
{
    if (!uses.Get(name))
        toolbox::PutOwned(uses, name, std::make_unique<NameUse>());
}

toolbox::String NumberedName(const char* name, int number)
{
    toolbox::String numbered(name);
    numbered.Append(" (");
    numbered.AppendNumber(number);
    numbered.AppendChar(')');
    return numbered;
}

} // namespace

void StoredNames::AssignNames()
{
    NameUses uses;
    for (int i = 0; i < items.GetCount(); ++i)
        Reserve(uses, items.Get(i)->GetName());
    NameUses given;
    for (int i = 0; i < items.GetCount(); ++i) {
        const char* name = items.Get(i)->GetName();
        auto stored = std::make_unique<toolbox::String>(name);
        if (given.Get(name)) {
            NameUse* use = uses.Get(name);
            toolbox::String candidate = NumberedName(name, use->nextNumber++);
            while (uses.Get(candidate.GetText()))
                candidate = NumberedName(name, use->nextNumber++);
            stored->Assign(candidate);
            Reserve(uses, candidate.GetText());
        }
        Reserve(given, stored->GetText());
        toolbox::AddOwned(names, std::move(stored));
    }
}

const char* StoredNames::Find(const TreeItem* entity) const
{
    for (int i = 0; i < items.GetCount(); ++i) {
        if (items.Get(i) == entity)
            return names.Get(i)->GetText();
    }
    return nullptr;
}

const char* StoredNames::Get(int index) const
{
    assert(index >= 0 && index < names.GetCount() && "names are asked for by the index of their entity");
    const toolbox::String* name = names.Get(index);
    return name ? name->GetText() : nullptr;
}

#include "toolbox/PointeredList.h"

#include "toolbox/Exception.h"
#include "toolbox/StrICmp.h"

#include <new>

namespace toolbox {

void PointeredList::AddPointer(void* pointer)
{
    auto* item = new (std::nothrow) PointeredListItem(pointer);
    if (!item)
        throw EOutOfMemory();
    Add(item);
}

PointeredListItem* PointeredList::FindPointer(const void* pointer) const
{
    for (PointeredListItem* item : *this) {
        if (item->GetPointer() == pointer)
            return item;
    }
    return nullptr;
}

int PointeredList::CompareStringsIgnoringCase(const PointeredListItem* a, const PointeredListItem* b)
{
    return StrICmp(static_cast<const char*>(a->GetPointer()), static_cast<const char*>(b->GetPointer()));
}

} // namespace toolbox

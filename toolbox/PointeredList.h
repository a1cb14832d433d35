#pragma once

#include "toolbox/ContainingList.h"
#include "toolbox/PointeredListItem.h"

namespace toolbox {

// A ContainingList of PointeredListItems: it owns its items but never what
// they point to. The hash maps keep their buckets in these lists, and every
// operation that lists keys, values or sections returns a new one that the
// caller deletes. Costs are those of ContainingList.
class PointeredList : public ContainingList<PointeredListItem> {
public:
    // Appends a new item that points at the given object; throws
    // EOutOfMemory, leaving the list as it was, when no item can be made.
    void AddPointer(void* pointer);

    // The first item pointing at this very object, or null.
    PointeredListItem* FindPointer(const void* pointer) const;

    // Orders items by the NUL-terminated texts they point at, comparing the
    // ASCII letters case-insensitively (see StrICmp). Made for Sort.
    static int CompareStringsIgnoringCase(const PointeredListItem* a, const PointeredListItem* b);
};

} // namespace toolbox

#pragma once

#include "toolbox/ContainingListItem.h"

namespace toolbox {

// An item of a PointeredList: carries one untyped pointer that it does not
// own, so deleting the item leaves the pointed-to object alone.
class PointeredListItem : public ContainingListItem<PointeredListItem> {
public:
    explicit PointeredListItem(void* pointer = nullptr)
        : pointer(pointer)
    {
    }

    void* GetPointer() const { return pointer; }
    void SetPointer(void* newPointer) { pointer = newPointer; }

private:
    void* pointer;
};

} // namespace toolbox

#pragma once

#include "toolbox/ArrayList.h"

// An ArrayList that only refers to its elements: it empties itself before
// the base destructor runs, so destroying the list never destroys what it
// points to. Deleting through its Delete... operations would still destroy
// elements, so callers use the Remove... operations only.
template <typename T> class BorrowedList : public toolbox::ArrayList<T> {
public:
    BorrowedList() = default;
    ~BorrowedList() override { this->RemoveAll(); }
};

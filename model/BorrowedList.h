#pragma once

#include "toolbox/ArrayList.h"

// A list of elements that belong to somebody else. It offers only what
// leaves them alive (adding, removing, looking up), never deleting, and it
// empties itself before it goes, so destroying the list destroys nothing it
// points to. Costs are those of the ArrayList underneath: appending is
// amortised constant time, lookups and removals by element are linear.
template <typename T> class BorrowedList {
public:
    BorrowedList() = default;
    ~BorrowedList() { items.RemoveAll(); }
    BorrowedList(const BorrowedList&) = delete;
    BorrowedList& operator=(const BorrowedList&) = delete;

    int GetCount() const { return items.GetCount(); }
    T* Get(int index) const { return items.Get(index); }
    T* GetFirst() const { return items.GetFirst(); }
    T* GetLast() const { return items.GetLast(); }
    // The position of this very element, or -1.
    int IndexOf(const T* item) const { return items.IndexOf(item); }
    bool Contains(const T* item) const { return items.IndexOf(item) >= 0; }

    void Add(T* item) { items.Add(item); }
    void Insert(T* item, int index) { items.Insert(item, index); }
    // Takes out the element at `index` and hands it back; null when there is none.
    T* RemoveAt(int index) { return items.RemoveAt(index); }
    // Takes out the first entry that is this very element; null when there is none.
    T* Remove(const T* item) { return items.RemoveAt(items.IndexOf(item)); }
    void RemoveAll() { items.RemoveAll(); }

    // The same elements for readers that take an ArrayList; read-only, so
    // nobody can delete through it.
    const toolbox::ArrayList<T>& GetItems() const { return items; }

    T* const* begin() const { return items.begin(); }
    T* const* end() const { return items.end(); }

private:
    toolbox::ArrayList<T> items;
};

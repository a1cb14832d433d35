#pragma once

#include "toolbox/ContainingListItem.h"

#include <cstdint>

namespace toolbox {

// An intrusive doubly linked list that owns its items: the destructor,
// DeleteAll and the Delete... operations delete them, while PopLast and
// Remove hand an item back to the caller with its links cleared. Appending
// and taking the last item cost constant time; Remove, Delete and the
// lookups walk the list, and Sort is a quadratic, stable selection sort.
template <typename T> class ContainingList {
public:
    class Iterator {
    public:
        explicit Iterator(T* item)
            : item(item)
        {
        }
        T* operator*() const { return item; }
        Iterator& operator++()
        {
            item = item->GetNext();
            return *this;
        }
        bool operator==(const Iterator& other) const { return item == other.item; }

    private:
        T* item;
    };

    ContainingList() = default;
    ContainingList(const ContainingList&) = delete;
    ContainingList& operator=(const ContainingList&) = delete;

    virtual ~ContainingList() { DeleteAll(); }

    int GetCount() const { return count; }
    T* GetHead() const { return head; }
    T* GetTail() const { return tail; }

    // Appends at the tail. The item must not be in any list.
    void Add(T* item)
    {
        if (!item)
            return;
        Link(item)->previous = tail;
        Link(item)->next = nullptr;
        if (tail)
            Link(tail)->next = item;
        else
            head = item;
        tail = item;
        ++count;
    }

    T* PopLast()
    {
        T* last = tail;
        if (last)
            Unlink(last);
        return last;
    }

    bool DeleteLast()
    {
        T* last = PopLast();
        delete last;
        return last != nullptr;
    }

    // Unlinks the first item that compares equal to the given one and
    // returns that item, which then belongs to the caller; null if none.
    T* Remove(T* item)
    {
        T* found = Find(item);
        if (found)
            Unlink(found);
        return found;
    }

    // Unlinks and deletes the first item that compares equal to the given one.
    bool Delete(T* item)
    {
        T* removed = Remove(item);
        delete removed;
        return removed != nullptr;
    }

    // The first item that compares equal to the given one, or null.
    T* Find(const T* item) const
    {
        if (!item)
            return nullptr;
        for (T* candidate = head; candidate; candidate = candidate->GetNext()) {
            if (Compare(candidate, item) == 0)
                return candidate;
        }
        return nullptr;
    }

    void DeleteAll()
    {
        while (DeleteLast()) { }
    }

    // Selection sort that takes the earliest of equal items first, so items
    // that compare equal keep their order. The comparator is called as
    // comparator(T* a, T* b) and returns a negative number, 0 or a positive
    // number.
    template <typename Comparator> void Sort(Comparator comparator)
    {
        T* remaining = head;
        head = nullptr;
        tail = nullptr;
        count = 0;
        try {
            while (remaining) {
                T* minimum = remaining;
                for (T* candidate = remaining->GetNext(); candidate; candidate = candidate->GetNext()) {
                    if (comparator(candidate, minimum) < 0)
                        minimum = candidate;
                }
                if (minimum == remaining)
                    remaining = minimum->GetNext();
                UnlinkFromChain(minimum);
                Add(minimum);
            }
        } catch (...) {
            // A throwing comparator must not cost the items that were not
            // placed yet.
            AppendChain(remaining);
            throw;
        }
    }

    void Sort()
    {
        Sort([this](T* a, T* b) { return Compare(a, b); });
    }

    // The default order: item addresses as unsigned numbers.
    virtual int Compare(const T* a, const T* b) const
    {
        auto left = reinterpret_cast<std::uintptr_t>(a);
        auto right = reinterpret_cast<std::uintptr_t>(b);
        if (left == right)
            return 0;
        return left > right ? 1 : -1;
    }

    // Walks head to tail. The list must not change while it is walked.
    Iterator begin() const { return Iterator(head); }
    Iterator end() const { return Iterator(nullptr); }

private:
    static ContainingListItem<T>* Link(T* item) { return static_cast<ContainingListItem<T>*>(item); }

    void Unlink(T* item)
    {
        T* previous = item->GetPrevious();
        T* next = item->GetNext();
        if (previous)
            Link(previous)->next = next;
        else
            head = next;
        if (next)
            Link(next)->previous = previous;
        else
            tail = previous;
        Link(item)->previous = nullptr;
        Link(item)->next = nullptr;
        --count;
    }

    // Unlinks an item from a detached chain that the list does not count.
    static void UnlinkFromChain(T* item)
    {
        T* previous = item->GetPrevious();
        T* next = item->GetNext();
        if (previous)
            Link(previous)->next = next;
        if (next)
            Link(next)->previous = previous;
        Link(item)->previous = nullptr;
        Link(item)->next = nullptr;
    }

    void AppendChain(T* first)
    {
        while (first) {
            T* next = first->GetNext();
            UnlinkFromChain(first);
            Add(first);
            first = next;
        }
    }

    int count = 0;
    T* head = nullptr;
    T* tail = nullptr;
};

} // namespace toolbox

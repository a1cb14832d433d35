#pragma once

namespace toolbox {

template <typename T> class ContainingList;

// The base of every item of a ContainingList<T>: T derives from
// ContainingListItem<T> and so carries its own links. An item is in at most
// one list at a time; the list clears the links when it lets the item go.
// Items are deleted through this virtual destructor.
template <typename T> class ContainingListItem {
public:
    ContainingListItem() = default;
    ContainingListItem(const ContainingListItem&) = delete;
    ContainingListItem& operator=(const ContainingListItem&) = delete;
    virtual ~ContainingListItem() = default;

    T* GetNext() const { return next; }
    T* GetPrevious() const { return previous; }

private:
    friend class ContainingList<T>;

    T* next = nullptr;
    T* previous = nullptr;
};

} // namespace toolbox

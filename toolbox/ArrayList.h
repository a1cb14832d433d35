#pragma once

#include "toolbox/Exception.h"

#include <cassert>
#include <cstdint>
#include <new>

namespace toolbox {

// A growable array of pointers that owns its elements: the destructor,
// DeleteAll and the Delete... operations delete them, while the Remove...
// operations hand an element back to the caller. Lookups are linear and the
// sort is a quadratic, unstable selection sort; the capacity follows fill
// percentages so that growing and shrinking reallocate at geometric steps.
// Only growing can fail (EOutOfMemory, with the list unchanged); removing
// keeps the larger array when a smaller one cannot be allocated.
// A list that only borrows its elements must be emptied with RemoveAll
// before it is destroyed.
template<typename T>
class ArrayList {
public:
    explicit ArrayList(int initialCapacity = 16, int minimumFillPercent = 30, int targetFillPercent = 60)
    {
        if (initialCapacity < 8)
            initialCapacity = 8;
        if (minimumFillPercent < 0 || minimumFillPercent >= targetFillPercent || targetFillPercent >= 100) {
            minimumFillPercent = 30;
            targetFillPercent = 60;
        }
        this->targetFillPercent = targetFillPercent;
        this->minimumFillPercent = minimumFillPercent;
        minimumCapacity = initialCapacity;
        items = AllocateSlots(initialCapacity);
        capacity = initialCapacity;
    }

    ArrayList(const ArrayList&) = delete;
    ArrayList& operator=(const ArrayList&) = delete;

    virtual ~ArrayList()
    {
        DeleteElements();
        delete[] items;
    }

    int GetCount() const { return count; }
    int GetCapacity() const { return capacity; }
    int GetMinimumCapacity() const { return minimumCapacity; }
    int GetMinimumFillPercent() const { return minimumFillPercent; }
    int GetTargetFillPercent() const { return targetFillPercent; }

    T* Get(int index) const { return index >= 0 && index < count ? items[index] : nullptr; }
    T* GetFirst() const { return count > 0 ? items[0] : nullptr; }
    T* GetLast() const { return count > 0 ? items[count - 1] : nullptr; }

    void Add(T* item)
    {
        Resize(count + 1, count);
        items[count++] = item;
    }

    void Insert(T* item, int index)
    {
        if (index < 0 || index > count)
            return;
        Resize(count + 1, count);
        for (int i = count; i > index; --i)
            items[i] = items[i - 1];
        items[index] = item;
        ++count;
    }

    T* RemoveAt(int index)
    {
        if (index < 0 || index >= count)
            return nullptr;
        T* item = items[index];
        // Resized before the shift, so that every element is still in its
        // place whatever the resize does.
        Resize(count - 1, count);
        for (int i = index; i < count - 1; ++i)
            items[i] = items[i + 1];
        --count;
        return item;
    }

    T* Remove(T* item)
    {
        int index = IndexOf(item);
        return index < 0 ? nullptr : RemoveAt(index);
    }

    T* PopLast()
    {
        if (count == 0)
            return nullptr;
        T* item = items[count - 1];
        Resize(count - 1, count);
        --count;
        return item;
    }

    bool DeleteAt(int index)
    {
        if (index < 0 || index >= count)
            return false;
        delete RemoveAt(index);
        return true;
    }

    bool Delete(T* item)
    {
        int index = IndexOf(item);
        return index >= 0 && DeleteAt(index);
    }

    bool DeleteLast()
    {
        if (count == 0)
            return false;
        delete PopLast();
        return true;
    }

    void RemoveAll()
    {
        Resize(0, 0);
        count = 0;
    }

    void DeleteAll()
    {
        DeleteElements();
        RemoveAll();
    }

    // The position of this very pointer, or -1.
    int IndexOf(const T* item) const
    {
        for (int i = 0; i < count; ++i) {
            if (items[i] == item)
                return i;
        }
        return -1;
    }

    bool Contains(T* item) const
    {
        return Contains(item, [this](T* a, T* b) { return Compare(a, b); });
    }

    template<typename Comparator>
    bool Contains(T* item, Comparator comparator) const
    {
        for (int i = 0; i < count; ++i) {
            if (comparator(items[i], item) == 0)
                return true;
        }
        return false;
    }

    void Sort()
    {
        Sort([this](T* a, T* b) { return Compare(a, b); });
    }

    // Selection sort: only a negative comparison moves the candidate, so
    // equal elements may change their order.
    template<typename Comparator>
    void Sort(Comparator comparator)
    {
        for (int i = 0; i < count - 1; ++i) {
            int minimum = i;
            for (int j = i + 1; j < count; ++j) {
                if (comparator(items[j], items[minimum]) < 0)
                    minimum = j;
            }
            T* swapped = items[i];
            items[i] = items[minimum];
            items[minimum] = swapped;
        }
    }

    // The default order: element addresses as unsigned numbers.
    virtual int Compare(T* a, T* b) const
    {
        auto left = reinterpret_cast<std::uintptr_t>(a);
        auto right = reinterpret_cast<std::uintptr_t>(b);
        if (left == right)
            return 0;
        return left > right ? 1 : -1;
    }

    T* const* begin() const { return items; }
    T* const* end() const { return items + count; }

private:
    static constexpr int capacityLimit = 1 << 30;

    static T** AllocateSlots(int slotCount)
    {
        if (slotCount >= capacityLimit)
            throw EOutOfMemory();
        T** allocated = new (std::nothrow) T*[slotCount];
        if (!allocated)
            throw EOutOfMemory();
        return allocated;
    }

    // The capacity the fill rules choose before the count changes to n,
    // with the old count still in place.
    int CapacityFor(int n) const
    {
        int desired = static_cast<int>(static_cast<long long>(n) * 100 / targetFillPercent);
        bool underFilled = capacity > minimumCapacity && count * 100 / capacity < minimumFillPercent;
        if (underFilled) {
            int target = desired < minimumCapacity ? minimumCapacity : desired;
            return target > n ? target : n + 1;
        }
        // Grows only when n no longer fits: this is what gives the
        // capacities 16, 28, 48, 81, 136 that stored behaviour relies on.
        if (n > capacity)
            return desired > n ? desired : n + 1;
        return capacity;
    }

    // Applied before every change of count to n; carries the first `kept`
    // elements over. A smaller array is only a saving: when it cannot be
    // had, the present one stays, so that removing never fails. Only an
    // array too small for n raises EOutOfMemory, before anything changed.
    void Resize(int n, int kept)
    {
        int newCapacity = CapacityFor(n);
        if (newCapacity == capacity)
            return;
        T** newItems = nullptr;
        try {
            newItems = AllocateSlots(newCapacity);
        } catch (const EOutOfMemory&) {
            if (n <= capacity)
                return;
            throw;
        }
        assert(kept <= newCapacity);
        for (int i = 0; i < kept; ++i)
            newItems[i] = items[i];
        delete[] items;
        items = newItems;
        capacity = newCapacity;
    }

    void DeleteElements()
    {
        for (int i = 0; i < count; ++i)
            delete items[i];
    }

    int count = 0;
    int targetFillPercent = 60;
    T** items = nullptr;
    int minimumCapacity = 16;
    int minimumFillPercent = 30;
    int capacity = 0;
};

} // namespace toolbox

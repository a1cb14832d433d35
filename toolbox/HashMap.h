#pragma once

#include "toolbox/Exception.h"
#include "toolbox/PointeredList.h"

#include <cstdint>
#include <memory>
#include <new>

namespace toolbox {

// A chained hash map from keys to pointers to T. It owns its values (freed
// through FreeValue on Put replacement, Remove, Clear and destruction; Take
// hands a value back to the caller) and the stored keys that CopyKey makes;
// here keys are pointer-sized numbers used as they are. Each bucket keeps a
// key list and a parallel value list; Get, Put and Take walk one bucket, which
// the load factor keeps short, Clear and the listings cost linear time, and
// the bucket count changes only at geometric steps, by a linear rehash.
//
// The virtual hooks decide how keys are copied, compared and hashed and how
// values are freed. A destructor cannot reach the hooks of a derived class,
// so every class that overrides a hook clears the map in its own destructor
// with ClearForDestruction.
//
// When an operation throws EOutOfMemory the map keeps its contents, and a
// value passed to a failing Put still belongs to the caller.
template <typename T> class HashMap {
public:
    using Key = const void*;

    explicit HashMap(int minimumBuckets = 16, int loadFactorPercent = 50)
        : loadFactorPercent(loadFactorPercent <= 9 ? 50 : loadFactorPercent)
        , minimumBuckets(minimumBuckets <= 0 ? 16 : minimumBuckets)
    {
        Rehash(this->minimumBuckets);
    }

    HashMap(const HashMap&) = delete;
    HashMap& operator=(const HashMap&) = delete;

    int GetCount() const { return count; }
    int GetBucketCount() const { return bucketCount; }
    int GetMinimumBuckets() const { return minimumBuckets; }
    int GetLoadFactorPercent() const { return loadFactorPercent; }

    // The value stored under an equal key, or null.
    T* Get(Key key) const
    {
        Entry entry = Find(key);
        return entry.keyItem ? ValueOf(entry) : nullptr;
    }

    // Stores the value under the key. An equal key keeps its stored copy and
    // its old value is freed, unless it is the very same value.
    void Put(Key key, T* value)
    {
        void* storedKey = CopyKey(key);
        Entry existing = Find(storedKey);
        if (existing.keyItem)
            Replace(storedKey, value);
        else
            Insert(storedKey, value);
    }

    // Removes the entry and returns its value, which then belongs to the
    // caller; null if the key is absent. Never changes the bucket count.
    T* Take(Key key)
    {
        Entry entry = Find(key);
        if (!entry.keyItem)
            return nullptr;
        void* storedKey = entry.keyItem->GetPointer();
        T* value = ValueOf(entry);
        Unlink(entry);
        FreeKey(storedKey);
        return value;
    }

    // Removes the entry and frees its value. Never changes the bucket count.
    void Remove(Key key) { FreeValue(Take(key)); }

    void Clear()
    {
        ReleaseEntries(ValueDisposal::Free);
        Rebalance();
    }

    // As Clear, but leaves the values alone: for maps that do not own them.
    void ClearKeysOnly()
    {
        ReleaseEntries(ValueDisposal::Keep);
        Rebalance();
    }

    // New lists in iteration order (bucket by bucket, each bucket in order of
    // insertion), owned by the caller, pointing at the stored keys or the
    // values; the map keeps owning what they point at.
    std::unique_ptr<PointeredList> ListKeys() const { return ListColumn(keyLists); }
    std::unique_ptr<PointeredList> ListValues() const { return ListColumn(valueLists); }

protected:
    virtual void* CopyKey(Key key) { return const_cast<void*>(key); }
    virtual void FreeKey(void*) { }

    // Deletes through T's own destructor, virtual where T has one.
    virtual void FreeValue(T* value)
    {
        static_assert(sizeof(T) > 0, "the value type must be complete where the map is used");
        delete value;
    }

public:
    virtual bool KeysEqual(const void* storedKey, Key key) const { return storedKey == key; }

    virtual std::uint32_t Hash(Key key) const
    {
        return static_cast<std::uint32_t>((reinterpret_cast<std::uintptr_t>(key) >> 3) * 1009u);
    }

    // Declared after the hooks to keep them first in the virtual table.
    virtual ~HashMap()
    {
        ClearForDestruction();
        delete[] keyLists;
        delete[] valueLists;
    }

protected:
    // Frees every entry with the hooks of the class whose destructor calls
    // it, without rebalancing, which could allocate.
    void ClearForDestruction() noexcept { ReleaseEntries(ValueDisposal::Free); }

private:
    enum class ValueDisposal { Free, Keep };

    struct Entry {
        int bucket = 0;
        PointeredListItem* keyItem = nullptr;
        PointeredListItem* valueItem = nullptr;
    };

    static constexpr long long bucketLimit = 1LL << 30;

    static T* ValueOf(const Entry& entry) { return static_cast<T*>(entry.valueItem->GetPointer()); }

    int BucketOf(Key key, int buckets) const
    {
        return static_cast<int>(Hash(key) % static_cast<std::uint32_t>(buckets));
    }

    Entry Find(Key key) const
    {
        Entry entry;
        entry.bucket = BucketOf(key, bucketCount);
        PointeredList* keys = keyLists[entry.bucket];
        if (!keys)
            return entry;
        PointeredListItem* valueItem = valueLists[entry.bucket]->GetHead();
        for (PointeredListItem* keyItem = keys->GetHead(); keyItem; keyItem = keyItem->GetNext()) {
            if (KeysEqual(keyItem->GetPointer(), key)) {
                entry.keyItem = keyItem;
                entry.valueItem = valueItem;
                return entry;
            }
            valueItem = valueItem->GetNext();
        }
        return entry;
    }

    void Replace(void* storedKey, T* value)
    {
        // Rebalancing first keeps the old value in place if it fails; the
        // order of the entries is the same either way.
        try {
            Rebalance();
        } catch (...) {
            FreeKey(storedKey);
            throw;
        }
        Entry existing = Find(storedKey);
        FreeKey(storedKey);
        T* old = ValueOf(existing);
        existing.valueItem->SetPointer(value);
        if (old != value)
            FreeValue(old);
    }

    void Insert(void* storedKey, T* value)
    {
        try {
            Append(keyLists, valueLists, bucketCount, storedKey, value);
        } catch (...) {
            FreeKey(storedKey);
            throw;
        }
        ++count;
        // A failed rehash keeps the buckets, so the new pair is still the
        // last one of its bucket.
        Entry added;
        added.bucket = BucketOf(storedKey, bucketCount);
        added.keyItem = keyLists[added.bucket]->GetTail();
        added.valueItem = valueLists[added.bucket]->GetTail();
        try {
            Rebalance();
        } catch (...) {
            Unlink(added);
            FreeKey(storedKey);
            throw;
        }
    }

    // The insertion step shared by Put and Rehash: appends the pair to its
    // bucket, making the bucket's lists if needed. On failure the bucket is
    // left as it was.
    void Append(PointeredList** keys, PointeredList** values, int buckets, void* storedKey, T* value)
    {
        int bucket = BucketOf(storedKey, buckets);
        bool madeLists = !keys[bucket];
        try {
            if (madeLists) {
                keys[bucket] = NewList();
                values[bucket] = NewList();
            }
            keys[bucket]->AddPointer(storedKey);
            try {
                values[bucket]->AddPointer(value);
            } catch (...) {
                keys[bucket]->DeleteLast();
                throw;
            }
        } catch (...) {
            if (madeLists) {
                delete keys[bucket];
                delete values[bucket];
                keys[bucket] = nullptr;
                values[bucket] = nullptr;
            }
            throw;
        }
    }

    // Deletes the entry's two items, and the bucket's lists once empty.
    void Unlink(const Entry& entry)
    {
        keyLists[entry.bucket]->Delete(entry.keyItem);
        valueLists[entry.bucket]->Delete(entry.valueItem);
        if (keyLists[entry.bucket]->GetCount() == 0) {
            delete keyLists[entry.bucket];
            delete valueLists[entry.bucket];
            keyLists[entry.bucket] = nullptr;
            valueLists[entry.bucket] = nullptr;
        }
        --count;
    }

    void ReleaseEntries(ValueDisposal disposal)
    {
        for (int bucket = 0; bucket < bucketCount; ++bucket) {
            if (!keyLists[bucket])
                continue;
            PointeredListItem* valueItem = valueLists[bucket]->GetHead();
            for (PointeredListItem* keyItem = keyLists[bucket]->GetHead(); keyItem; keyItem = keyItem->GetNext()) {
                FreeKey(keyItem->GetPointer());
                if (disposal == ValueDisposal::Free)
                    FreeValue(static_cast<T*>(valueItem->GetPointer()));
                valueItem = valueItem->GetNext();
            }
            delete keyLists[bucket];
            delete valueLists[bucket];
            keyLists[bucket] = nullptr;
            valueLists[bucket] = nullptr;
        }
        count = 0;
    }

    void Rebalance()
    {
        long long fill = static_cast<long long>(count) * 100 / bucketCount;
        long long target = static_cast<long long>(count) * 100 / loadFactorPercent;
        if (fill < loadFactorPercent / 2) {
            if (target < minimumBuckets)
                target = minimumBuckets;
            if (target < bucketCount)
                Rehash(target);
        } else if (fill > 2LL * loadFactorPercent) {
            Rehash(target);
        }
    }

    // Moves every entry into n new buckets, old buckets in order and each
    // bucket's entries in order, without copying keys. On failure the map
    // keeps its old buckets.
    void Rehash(long long n)
    {
        if (n >= bucketLimit)
            throw EOutOfMemory();
        int buckets = n < 1 ? 1 : static_cast<int>(n);
        PointeredList** newKeys = NewBuckets(buckets);
        PointeredList** newValues = nullptr;
        try {
            newValues = NewBuckets(buckets);
            for (int bucket = 0; bucket < bucketCount; ++bucket) {
                if (!keyLists[bucket])
                    continue;
                PointeredListItem* valueItem = valueLists[bucket]->GetHead();
                for (PointeredListItem* keyItem : *keyLists[bucket]) {
                    Append(
                        newKeys, newValues, buckets, keyItem->GetPointer(), static_cast<T*>(valueItem->GetPointer()));
                    valueItem = valueItem->GetNext();
                }
            }
        } catch (...) {
            DeleteBuckets(newKeys, newValues, buckets);
            throw;
        }
        DeleteBuckets(keyLists, valueLists, bucketCount);
        keyLists = newKeys;
        valueLists = newValues;
        bucketCount = buckets;
    }

    static PointeredList** NewBuckets(int buckets)
    {
        auto** lists = new (std::nothrow) PointeredList*[buckets]();
        if (!lists)
            throw EOutOfMemory();
        return lists;
    }

    // Deletes the lists and the arrays but nothing the lists point at.
    static void DeleteBuckets(PointeredList** keys, PointeredList** values, int buckets)
    {
        for (int bucket = 0; bucket < buckets; ++bucket) {
            if (keys)
                delete keys[bucket];
            if (values)
                delete values[bucket];
        }
        delete[] keys;
        delete[] values;
    }

    static PointeredList* NewList()
    {
        auto* list = new (std::nothrow) PointeredList;
        if (!list)
            throw EOutOfMemory();
        return list;
    }

    std::unique_ptr<PointeredList> ListColumn(PointeredList* const* column) const
    {
        std::unique_ptr<PointeredList> result(NewList());
        for (int bucket = 0; bucket < bucketCount; ++bucket) {
            if (!column[bucket])
                continue;
            for (PointeredListItem* item : *column[bucket])
                result->AddPointer(item->GetPointer());
        }
        return result;
    }

    int count = 0;
    int loadFactorPercent;
    int minimumBuckets;
    PointeredList** keyLists = nullptr;
    int bucketCount = 0;
    PointeredList** valueLists = nullptr;
};

} // namespace toolbox

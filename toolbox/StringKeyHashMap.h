#pragma once

#include "toolbox/HashMap.h"

#include <cstdint>
#include <cstring>
#include <new>

namespace toolbox {

// A HashMap keyed by NUL-terminated 8-bit texts. The map stores and owns its
// own copy of every key and compares keys byte by byte, so "Persons" and
// "persons" are different keys; the values are owned as in HashMap. The
// hash reads at most 31 bytes of a key, so long keys cost no more to hash
// than short ones. A null key is never found.
template <typename T> class StringKeyHashMap : public HashMap<T> {
public:
    using Key = typename HashMap<T>::Key;

    explicit StringKeyHashMap(int minimumBuckets = 16, int loadFactorPercent = 50)
        : HashMap<T>(minimumBuckets, loadFactorPercent)
    {
    }

    ~StringKeyHashMap() override { this->ClearForDestruction(); }

protected:
    void* CopyKey(Key key) override
    {
        if (!key)
            return nullptr;
        std::size_t size = std::strlen(static_cast<const char*>(key)) + 1;
        auto* copy = new (std::nothrow) char[size];
        if (!copy)
            throw EOutOfMemory();
        std::memcpy(copy, key, size);
        return copy;
    }

    void FreeKey(void* storedKey) override { delete[] static_cast<char*>(storedKey); }

public:
    bool KeysEqual(const void* storedKey, Key key) const override
    {
        return storedKey && key && std::strcmp(static_cast<const char*>(storedKey), static_cast<const char*>(key)) == 0;
    }

    // Bytes count as signed, so bytes from 0x80 lower the sum.
    std::uint32_t Hash(Key key) const override
    {
        if (!key)
            return 0;
        const auto* text = static_cast<const char*>(key);
        std::size_t length = std::strlen(text);
        std::size_t step = length / 16 == 0 ? 1 : length / 16;
        std::uint32_t hash = 0;
        for (std::size_t i = 0; i < length; i += step) {
            int weight = i % 2 == 0 ? 11 : 7;
            hash += static_cast<std::uint32_t>(static_cast<signed char>(text[i]) * weight);
        }
        return hash;
    }
};

} // namespace toolbox

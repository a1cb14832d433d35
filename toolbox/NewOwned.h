#pragma once

#include "toolbox/Exception.h"

#include <memory>
#include <new>
#include <utility>

namespace toolbox {

// Makes an object the way the library allocates everything: exhaustion of
// memory raises EOutOfMemory rather than the language's exception.
template <typename T, typename... Arguments> std::unique_ptr<T> NewOwned(Arguments&&... arguments)
{
    std::unique_ptr<T> object(new (std::nothrow) T(std::forward<Arguments>(arguments)...));
    if (!object)
        throw EOutOfMemory();
    return object;
}

// The one way to hand a new object to a container that takes ownership:
// the object is freed again when the container cannot take it. Answers the
// object, which the container now owns.
template <typename Container, typename T> T& AddOwned(Container& container, std::unique_ptr<T> object)
{
    container.Add(object.get());
    return *object.release();
}

// The same for a place other than the end of a list.
template <typename Container, typename T> T& InsertOwned(Container& container, std::unique_ptr<T> object, int index)
{
    container.Insert(object.get(), index);
    return *object.release();
}

// The same for a map that owns its values.
template <typename Map, typename Key, typename T> T& PutOwned(Map& map, Key key, std::unique_ptr<T> object)
{
    map.Put(key, object.get());
    return *object.release();
}

} // namespace toolbox

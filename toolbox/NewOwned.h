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

// Hands a new object to a container that takes ownership; the object is
// freed again when the container cannot take it.
template <typename Container, typename T> void AddOwned(Container& container, std::unique_ptr<T> object)
{
    container.Add(object.get());
    object.release();
}

} // namespace toolbox

#pragma once

#include "model/BorrowedList.h"
#include "toolbox/ArrayList.h"
#include "toolbox/String.h"

class TreeItem;

// The names under which the entities of one list are stored. The store keys
// every entity by its name, so two entities of one name under one parent
// would be written into one section and merged. The first entity of a name
// keeps it; every later one is stored as "Name (2)", "Name (3)"... with the
// first number that no entity of the list uses as its own name and that no
// earlier entity was given. Names in memory stay as the user typed them.
class StoredNames {
public:
    template <typename T> explicit StoredNames(const toolbox::ArrayList<T>& entities)
    {
        for (int i = 0; i < entities.GetCount(); ++i)
            items.Add(entities.Get(i));
        AssignNames();
    }
    StoredNames(const StoredNames&) = delete;
    StoredNames& operator=(const StoredNames&) = delete;
    ~StoredNames() = default;

    // The stored name of the entity, found by identity; null when the entity
    // is not in the list.
    const char* Find(const TreeItem* entity) const;
    // The stored name of the entity at `index` of the list the names were
    // made for.
    const char* Get(int index) const;

private:
    void AssignNames();

    BorrowedList<const TreeItem> items;
    toolbox::ArrayList<toolbox::String> names;
};

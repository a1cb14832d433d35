#pragma once

#include "toolbox/ArrayList.h"
#include "toolbox/MountEntry.h"

#include <memory>

namespace toolbox {

// The mounts a process sees, in the format of /proc/self/mountinfo. Owns
// its entries; finding the mount of a path walks all of them.
class MountTable {
public:
    // Lines that cannot be read are skipped.
    explicit MountTable(const char* mountInfoText);

    // The table of this process; empty when it cannot be read.
    static std::unique_ptr<MountTable> ReadOwn();

    int GetCount() const { return entries.GetCount(); }
    const MountEntry* Get(int index) const { return entries.Get(index); }
    // The mount whose mount point is the longest leading part of the
    // absolute, resolved `path`; of equal ones the last, which covers the
    // others. Null when none matches.
    const MountEntry* FindFor(const char* path) const;

private:
    void ParseLine(const char* line, const char* end);

    ArrayList<MountEntry> entries;
};

} // namespace toolbox

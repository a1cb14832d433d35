#pragma once

#include "toolbox/String.h"

namespace toolbox {

// One line of the kernel's mount table: where a file system is mounted,
// its type and the device numbers of its block device (0 for none).
struct MountEntry {
    String mountPoint;
    String fileSystemType;
    int major = 0;
    int minor = 0;
};

} // namespace toolbox

#pragma once

#include "toolbox/Path.h"

#include <cstdint>

namespace toolbox {

// Tells what kind of medium holds a path from the file system mounted there
// and, for a block device, from what the kernel reports about the device.
class DriveClassifier {
public:
    // Whether the block device of a mount can be taken away while running.
    enum class Device { NotRemovable, Removable };

    static DriveKind ClassifyPath(const Path& path);
    // The kind for a file system type and its device; `totalSize` is only
    // read for a removable device, a negative one meaning it is not known.
    static DriveKind Classify(const char* fileSystemType, Device device, std::int64_t totalSize);
    static bool IsNetworkFileSystem(const char* fileSystemType);
    // A device reports removable media, or hangs on a hot-pluggable bus.
    static Device ProbeBlockDevice(int major, int minor);

    static constexpr std::int64_t SmallRemovableLimit = 0x800000;
};

} // namespace toolbox

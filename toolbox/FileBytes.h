#pragma once

#include <memory>

namespace toolbox {

// Reads a whole file, including files such as those under /proc whose size
// the system reports as zero.
class FileBytes {
public:
    // The bytes followed by one NUL, with their count in `length`; null when
    // the file cannot be opened or read.
    static std::unique_ptr<char[]> Read(const char* fileName, int& length);
};

} // namespace toolbox

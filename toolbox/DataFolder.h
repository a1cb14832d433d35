#pragma once

#include "toolbox/Path.h"

#include <memory>

namespace toolbox {

// Where the user's data lives: the local application data folder, then
// "Quillfeather", then the product name. When that folder cannot be had (no
// home, or it cannot be created), the program file's folder stands in.
class DataFolder {
public:
    static std::unique_ptr<Path> Locate(const char* productName, FolderCreation creation);
};

} // namespace toolbox

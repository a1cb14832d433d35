#pragma once

#include "toolbox/ConfigWriter.h"

#include <memory>

namespace toolbox {

// The file operations of the safe save, one virtual call per step, so that a
// test can make any step fail. The base class does the real work.
class ConfigFileSystem {
public:
    virtual ~ConfigFileSystem();

    // A writer on the newly created or truncated file, or null.
    virtual std::unique_ptr<ConfigWriter> OpenWriter(const char* path);
    // Ends the writing; false if the text did not reach the file in full.
    virtual bool CloseWriter(std::unique_ptr<ConfigWriter> writer);
    virtual bool Exists(const char* path);
    virtual bool Delete(const char* path);
    virtual bool Rename(const char* from, const char* to);
};

} // namespace toolbox

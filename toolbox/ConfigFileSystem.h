#pragma once

#include "toolbox/ConfigWriter.h"

#include <memory>

namespace toolbox {

// The file operations of the safe save, one virtual call per step, so that a
// test can make any step fail. The base class does the real work.
class ConfigFileSystem {
public:
    virtual ~ConfigFileSystem();

    // A writer on a file newly made at the path with these permission bits,
    // after removing what was left there; a link or a file that appears in
    // between is never written through. Null when it cannot be made.
    virtual std::unique_ptr<ConfigWriter> OpenWriter(const char* path, unsigned permissions);
    // A writer on a new file named `prefix` followed by six characters that
    // make the name unique; the name goes to `created`.
    virtual std::unique_ptr<ConfigWriter> OpenUniqueWriter(
        const char* prefix, unsigned permissions, std::unique_ptr<char[]>& created);
    // Ends the writing; false if the text did not reach the file in full.
    virtual bool CloseWriter(std::unique_ptr<ConfigWriter> writer);
    // The permission bits of the file at the path; false when there is none.
    virtual bool GetPermissions(const char* path, unsigned& permissions);
    virtual bool Exists(const char* path);
    virtual bool Delete(const char* path);
    virtual bool Rename(const char* from, const char* to);
    // Makes the renames in the folder that holds `path` survive a power loss.
    virtual bool SyncFolder(const char* path);
};

} // namespace toolbox

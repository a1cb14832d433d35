#pragma once

#include "toolbox/Config.h"

#include <memory>

namespace toolbox {

// What start-up finds of the recovery file.
enum class RecoveryState {
    None, // no recovery file
    Pending, // one not older than the data file: the run that wrote it did not end regularly
    Stale, // one older than the data file, which a later regular exit wrote
};

// The recovery file beside a data file ("<data file>.recovery"): the whole
// configuration as it stood after the latest change of a run that has not
// ended yet, written by the same safe save as the data file. A regular exit
// removes it once the data file is written, so one that is still there at
// the next start was left by a run that did not end regularly.
class RecoveryFile {
public:
    explicit RecoveryFile(const char* dataFile);

    const char* GetPath() const { return path.get(); }

    // A safe save only ever leaves the previous state as ".old" without the
    // file itself, and that counts as the recovery file too.
    RecoveryState Inspect() const;

    // Reads the file as the data file is read, the ".old" copy when the file
    // cannot be opened.
    ConfigFileLoad Load(Config& config) const;
    bool Save(Config& config) const;

    // Moves the recovery file aside under a name with `reason` and the time
    // stamp (see ConfigStartup::KeepAside), removes the companions of its
    // safe save, and returns the new name; null when nothing could be moved.
    std::unique_ptr<char[]> KeepAside(const char* reason) const;
    // Removes the file with the companions of its safe save; true when none
    // of them is left.
    bool Remove() const;

private:
    // The file, or its ".old" copy when only that exists; null for neither.
    std::unique_ptr<char[]> FindExisting() const;

    std::unique_ptr<char[]> dataFile;
    std::unique_ptr<char[]> path;
};

} // namespace toolbox

#pragma once

#include <functional>
#include <memory>

namespace toolbox {

class ConfigFileSystem;
class ConfigWriter;

enum class SaveOutcome {
    // Through path.new, with the previous file kept as path.old.
    Saved,
    // The companion files were in the way; the file was replaced through a
    // temporary file of its own, and no previous version was kept.
    SavedWithoutBackup,
    // Nothing reached the file; it is as it was (or, when the failure came
    // between the renames, path.old holds it).
    Failed,
};

struct SaveReport {
    SaveOutcome outcome = SaveOutcome::Failed;
    // The companion file (path.new or path.old) whose step failed; null
    // after a regular save.
    std::unique_ptr<char[]> obstacle;
};

// Replaces one file whole, so that a crash or a failure at any step leaves
// the previous or the new state readable: the text goes to path.new, the
// present file becomes path.old, path.new becomes the file, and the folder is
// synced. A step with the companion files that fails (a folder at path.old, a
// path.new that cannot be made) would fail again at every later save, so the
// text is then written through a uniquely named temporary file that replaces
// the file in one rename. Either way round an Error record says what
// happened. A replaced file keeps its permissions; a new one is private to
// the user.
class SafeSave {
public:
    // Writes the whole text; false when a write failed. It may be called
    // twice, once for each way of saving.
    using Content = std::function<bool(ConfigWriter& writer)>;

    explicit SafeSave(ConfigFileSystem& fileSystem);

    SaveReport Save(const char* path, const Content& content);

private:
    enum class Step { None, CreateNew, WriteNew, MoveToOld, MoveNew };

    Step SaveThroughCompanions(
        const char* path, const char* newPath, const char* oldPath, unsigned permissions, const Content& content);
    bool SaveThroughUniqueFile(const char* path, unsigned permissions, const Content& content);
    bool WriteAndClose(std::unique_ptr<ConfigWriter> writer, const Content& content);

    ConfigFileSystem& fileSystem;
};

} // namespace toolbox

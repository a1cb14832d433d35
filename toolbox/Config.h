#pragma once

#include "toolbox/ConfigFileWriter.h"
#include "toolbox/ConfigWriter.h"
#include "toolbox/Configurable.h"
#include "toolbox/SafeSave.h"

#include <memory>

namespace toolbox {

class ConfigFileSystem;
class ConfigSection;
class Path;
template <typename T> class StringKeyHashMap;

// What reading a configuration file found.
enum class ConfigFileLoad {
    NotOpened, // neither the file nor its ".old" copy could be opened
    Loaded, // the file was read and parsed
    LoadedOld, // the file could not be opened, its ".old" copy was parsed
    Unparsable, // the file was read but is not well formed
    UnparsableOld, // the file could not be opened, its ".old" copy is not well formed
};

// What reading one file, without its ".old" copy, found.
enum class ConfigFileState {
    Missing, // nothing lies at the path
    Unreadable, // something lies there but cannot be opened or read
    Unparsable, // the file was read but is not well formed
    Loaded, // the file was read and parsed
};

// The program's persistent store: a tree of sections below the root "Root",
// read from one file and written back whole by a safe replacement that keeps
// the previous file as ".old". The registry of Configurables holds its own
// copies of the keys and never deletes the registered objects.
class Config {
public:
    using Writer = ConfigWriter;
    using FileWriter = ConfigFileWriter;

    Config();
    Config(const Config&) = delete;
    Config& operator=(const Config&) = delete;
    // Does not save; saving is the owner's step.
    ~Config();

    ConfigSection& GetRootSection() { return *root; }

    // The file named after the program file with the extension "cfg" inside
    // the folder. Throws EIllegalState when the program path has no name.
    bool LoadFromFolder(const Path& folder);
    // That file beside the program file; false when the program path has no
    // file name.
    bool LoadFromProgramFolder();
    // Reads the file, or its ".old" copy when the file cannot be opened. A
    // file that cannot be opened leaves the tree as it was; one that does not
    // parse leaves it empty.
    bool LoadFile(const char* path);
    // LoadFile telling which file it read and how that went.
    ConfigFileLoad LoadFileReporting(const char* path);
    // Reads this one file; the tree stays as it was unless the file was read.
    ConfigFileState LoadOnly(const char* path);
    // Replaces the tree by the parsed text; false, with an empty tree, when
    // the text is not well formed.
    bool Parse(const char* text);

    bool SaveToFolder(const Path& folder);
    SaveReport SaveToFolderReporting(const Path& folder);
    // Writes path.new, moves the present file to path.old and path.new to
    // path (SafeSave); false when the text did not reach the file.
    bool SaveFile(const char* path);
    // The same through the given file operations, so that each step can be
    // made to fail.
    bool SaveFile(const char* path, ConfigFileSystem& fileSystem);
    // SaveFile telling how the file was saved.
    SaveReport SaveFileReporting(const char* path, ConfigFileSystem& fileSystem);

    // The whole tree as the file's text, through the writer.
    bool WriteTo(Writer& writer) const;

    void Clear();

    // The object is not owned; it must be unregistered before it dies or
    // outlive the Config. A second registration under one name replaces the
    // first.
    void RegisterConfigurable(const char* name, Configurable& object);
    void UnregisterConfigurable(const char* name);
    void ExchangeWithConfigurables(ConfigExchange saving);

private:
    std::unique_ptr<StringKeyHashMap<Configurable>> configurables;
    std::unique_ptr<ConfigSection> root;
};

} // namespace toolbox

#pragma once

#include <memory>

namespace toolbox {

class Config;
class Path;

// Where the configuration of this run came from.
enum class ConfigOrigin { DataFile, Defaults, Nothing };

// What to do with a data file that exists but does not parse.
enum class UnreadableDataFile {
    // Move it aside under a name no save touches and log an Error record;
    // for programs that save at exit.
    Keep,
    // Leave it where it is; for programs that never write.
    Leave,
};

// What loading at start-up found.
struct ConfigStartupResult {
    ConfigOrigin origin = ConfigOrigin::Nothing;
    // The data file (or ".old" copy) that could not be read and is still
    // where the next save would replace it, since it could not be moved
    // aside; null when there is none.
    std::unique_ptr<char[]> unreadableLeftInPlace;
};

// Loading at start-up, shared by every program that reads the user's data:
// the data file (or its ".old" copy when the file cannot be opened), and when
// that fails, the read-only defaults beside the program. A data file that
// cannot be read or parsed is moved aside when `unreadable` is Keep; its
// ".old" copy, the last good state, is then read in its place.
class ConfigStartup {
public:
    // A program's configuration file is named after its program file, with
    // this extension instead of the program's.
    static constexpr const char* FileExtension = "cfg";

    // The configuration file of `programFile` inside `folder`; null when the
    // program file has no name. A program that reads another program's data
    // names that program's file here.
    static std::unique_ptr<Path> FileOf(const Path& folder, const Path& programFile);

    // `defaultsFile` may be null when there are no defaults.
    static ConfigOrigin Load(
        Config& config, const char* dataFile, const char* defaultsFile, UnreadableDataFile unreadable);
    static ConfigStartupResult LoadReporting(
        Config& config, const char* dataFile, const char* defaultsFile, UnreadableDataFile unreadable);
    // The same with the file names derived from the program file's name:
    // "<program>.cfg" in the data folder, and beside the program.
    static ConfigStartupResult LoadFromFolders(Config& config, const Path& dataFolder, UnreadableDataFile unreadable);

    // The name an unreadable file is kept under: the file's path followed by
    // ".unreadable-" and the local date and time (YYYYMMDD-HHMMSS), with "-2",
    // "-3"... appended when that name is taken. Moves the file there and
    // returns the new name; null when it could not be moved.
    static std::unique_ptr<char[]> KeepUnreadable(const char* path);
    // The same with another word than "unreadable" in the name.
    static std::unique_ptr<char[]> KeepAside(const char* path, const char* reason);
};

} // namespace toolbox

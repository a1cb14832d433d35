#include "toolbox/Config.h"

#include "toolbox/ConfigFileSystem.h"
#include "toolbox/ConfigStartup.h"
#include "toolbox/Path.h"

// The file operations that name the file after the program file; apart from
// the rest so that the store can be used without the program's paths.

namespace toolbox {

namespace {

    // The running program's configuration file inside the folder; throws
    // EIllegalState when the program path has no name.
    std::unique_ptr<char[]> ProgramConfigFile(const Path& folder)
    {
        return Path::CreateApplicationLikePath(folder, ConfigStartup::FileExtension)->ToString();
    }

} // namespace

std::unique_ptr<Path> ConfigStartup::FileOf(const Path& folder, const Path& programFile)
{
    return Path::CreateLikePath(folder, programFile, FileExtension);
}

bool Config::LoadFromFolder(const Path& folder)
{
    return LoadFile(ProgramConfigFile(folder).get());
}

bool Config::LoadFromProgramFolder()
{
    std::unique_ptr<Path> file
        = ConfigStartup::FileOf(*Path::CreateApplicationDirectoryPath(), *Path::CreateApplicationPath());
    return file && LoadFile(file->ToString().get());
}

bool Config::SaveToFolder(const Path& folder)
{
    return SaveToFolderReporting(folder).outcome != SaveOutcome::Failed;
}

SaveReport Config::SaveToFolderReporting(const Path& folder)
{
    ConfigFileSystem fileSystem;
    return SaveFileReporting(ProgramConfigFile(folder).get(), fileSystem);
}

ConfigStartupResult ConfigStartup::LoadFromFolders(
    Config& config, const Path& dataFolder, UnreadableDataFile unreadable)
{
    std::unique_ptr<char[]> dataFile = ProgramConfigFile(dataFolder);
    std::unique_ptr<char[]> defaultsFile = ProgramConfigFile(*Path::CreateApplicationDirectoryPath());
    return LoadReporting(config, dataFile.get(), defaultsFile.get(), unreadable);
}

} // namespace toolbox

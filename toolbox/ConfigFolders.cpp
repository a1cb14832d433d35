#include "toolbox/Config.h"

#include "toolbox/ConfigFileSystem.h"
#include "toolbox/ConfigStartup.h"
#include "toolbox/Path.h"

// The file operations that name the file after the program file; apart from
// the rest so that the store can be used without the program's paths.

namespace toolbox {

namespace {

    std::unique_ptr<char[]> ApplicationLikeFile(const Path& folder)
    {
        return Path::CreateApplicationLikePath(folder, "cfg")->ToString();
    }

} // namespace

bool Config::LoadFromFolder(const Path& folder)
{
    return LoadFile(Path::CreateApplicationLikePath(folder, "cfg")->ToString().get());
}

bool Config::LoadFromProgramFolder()
{
    std::unique_ptr<Path> path = Path::CreateApplicationPath();
    std::unique_ptr<String> name = path->PopLast();
    if (!name)
        return false;
    Path::SetExtension(*name, "cfg");
    path->Append(name->GetText());
    return LoadFile(path->ToString().get());
}

bool Config::SaveToFolder(const Path& folder)
{
    return SaveToFolderReporting(folder).outcome != SaveOutcome::Failed;
}

SaveReport Config::SaveToFolderReporting(const Path& folder)
{
    ConfigFileSystem fileSystem;
    return SaveFileReporting(ApplicationLikeFile(folder).get(), fileSystem);
}

ConfigStartupResult ConfigStartup::LoadFromFolders(
    Config& config, const Path& dataFolder, UnreadableDataFile unreadable)
{
    std::unique_ptr<char[]> dataFile = ApplicationLikeFile(dataFolder);
    std::unique_ptr<Path> programFolder = Path::CreateApplicationDirectoryPath();
    std::unique_ptr<char[]> defaultsFile = ApplicationLikeFile(*programFolder);
    return LoadReporting(config, dataFile.get(), defaultsFile.get(), unreadable);
}

} // namespace toolbox

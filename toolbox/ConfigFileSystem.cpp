#include "toolbox/ConfigFileSystem.h"

#include "toolbox/ConfigFileWriter.h"
#include "toolbox/ConfigText.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolbox {

ConfigFileSystem::~ConfigFileSystem() = default;

std::unique_ptr<ConfigWriter> ConfigFileSystem::OpenWriter(const char* path, unsigned permissions)
{
    Delete(path);
    auto writer = std::make_unique<ConfigFileWriter>();
    if (!writer->Create(path, permissions))
        return nullptr;
    return writer;
}

std::unique_ptr<ConfigWriter> ConfigFileSystem::OpenUniqueWriter(
    const char* prefix, unsigned permissions, std::unique_ptr<char[]>& created)
{
    auto writer = std::make_unique<ConfigFileWriter>();
    if (!writer->CreateUnique(prefix, permissions, created))
        return nullptr;
    return writer;
}

bool ConfigFileSystem::CloseWriter(std::unique_ptr<ConfigWriter> writer)
{
    auto* fileWriter = dynamic_cast<ConfigFileWriter*>(writer.get());
    return !fileWriter || fileWriter->Close();
}

bool ConfigFileSystem::GetPermissions(const char* path, unsigned& permissions)
{
    struct stat status;
    if (::stat(path, &status) != 0)
        return false;
    permissions = status.st_mode & 07777;
    return true;
}

bool ConfigFileSystem::Exists(const char* path)
{
    struct stat status;
    return ::stat(path, &status) == 0;
}

bool ConfigFileSystem::Delete(const char* path)
{
    return std::remove(path) == 0;
}

bool ConfigFileSystem::Rename(const char* from, const char* to)
{
    return std::rename(from, to) == 0;
}

bool ConfigFileSystem::SyncFolder(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    std::unique_ptr<char[]> folder;
    if (!slash)
        folder = CopyText(".");
    else if (slash == path)
        folder = CopyText("/");
    else
        folder = CopyText(path, static_cast<std::size_t>(slash - path));
    int descriptor = ::open(folder.get(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

} // namespace toolbox

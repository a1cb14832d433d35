#include "toolbox/ConfigFileSystem.h"

#include "toolbox/ConfigFileWriter.h"

#include <cstdio>
#include <sys/stat.h>

namespace toolbox {

ConfigFileSystem::~ConfigFileSystem() = default;

std::unique_ptr<ConfigWriter> ConfigFileSystem::OpenWriter(const char* path)
{
    auto writer = std::make_unique<ConfigFileWriter>();
    if (!writer->Open(path))
        return nullptr;
    return writer;
}

bool ConfigFileSystem::CloseWriter(std::unique_ptr<ConfigWriter> writer)
{
    auto* fileWriter = dynamic_cast<ConfigFileWriter*>(writer.get());
    return !fileWriter || fileWriter->Close();
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

} // namespace toolbox

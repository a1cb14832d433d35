#include "ScratchHome.h"

#include "toolbox/ProcessInfo.h"

#include <cstdlib>
#include <fstream>
#include <ftw.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const variables[] = { "HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "TZ" };

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*)
{
    return std::remove(path);
}

} // namespace

ScratchHome::ScratchHome()
{
    for (int i = 0; i < 4; ++i) {
        const char* value = std::getenv(variables[i]);
        saved[i] = Saved { variables[i], value != nullptr, value ? value : "" };
    }
    const char* temporary = std::getenv("TMPDIR");
    std::string pattern = std::string(temporary && *temporary ? temporary : "/tmp") + "/ordovan-test-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a scratch folder");
    root = pattern;
    mkdir(GetHome().c_str(), 0700);
    SetVariable("HOME", GetHome());
    ClearVariable("XDG_DATA_HOME");
    ClearVariable("XDG_CONFIG_HOME");
    toolbox::ProcessInfo::SetProgramFile(nullptr);
    toolbox::ProcessInfo::SetArguments(0, nullptr);
}

ScratchHome::~ScratchHome()
{
    toolbox::ProcessInfo::SetProgramFile(nullptr);
    toolbox::ProcessInfo::SetArguments(0, nullptr);
    for (const Saved& variable : saved) {
        if (variable.wasSet)
            setenv(variable.name, variable.value.c_str(), 1);
        else
            unsetenv(variable.name);
    }
    tzset();
    nftw(root.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

void ScratchHome::SetVariable(const char* name, const std::string& value)
{
    setenv(name, value.c_str(), 1);
}

void ScratchHome::ClearVariable(const char* name)
{
    unsetenv(name);
}

void ScratchHome::WriteFile(const std::string& fileName, const std::string& text)
{
    std::ofstream(fileName, std::ios::binary) << text;
}

std::string ScratchHome::ReadFile(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool ScratchHome::IsDirectory(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool ScratchHome::Exists(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}

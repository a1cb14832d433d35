#include "toolbox/ConfigStartup.h"

#include "toolbox/Config.h"
#include "toolbox/ConfigFileSystem.h"
#include "toolbox/ConfigText.h"
#include "toolbox/GlobalLog.h"

#include <cstdio>
#include <ctime>

namespace toolbox {

namespace {

    void KeepAndReport(const char* unreadablePath)
    {
        std::unique_ptr<char[]> kept = ConfigStartup::KeepUnreadable(unreadablePath);
        if (kept) {
            GlobalLog(__FILE__, __LINE__, LogLevel::Error,
                "The configuration file %s could not be read; it has been kept as %s", unreadablePath, kept.get());
        } else {
            GlobalLog(__FILE__, __LINE__, LogLevel::Error,
                "The configuration file %s could not be read, and it could not be moved aside", unreadablePath);
        }
    }

} // namespace

ConfigOrigin ConfigStartup::Load(
    Config& config, const char* dataFile, const char* defaultsFile, UnreadableDataFile unreadable)
{
    ConfigFileLoad result = config.LoadFileReporting(dataFile);
    if (result == ConfigFileLoad::Loaded || result == ConfigFileLoad::LoadedOld)
        return ConfigOrigin::DataFile;
    if (unreadable == UnreadableDataFile::Keep) {
        if (result == ConfigFileLoad::Unparsable)
            KeepAndReport(dataFile);
        else if (result == ConfigFileLoad::UnparsableOld)
            KeepAndReport(JoinText(dataFile, ".old").get());
    }
    if (defaultsFile && config.LoadFile(defaultsFile))
        return ConfigOrigin::Defaults;
    return ConfigOrigin::Nothing;
}

std::unique_ptr<char[]> ConfigStartup::KeepUnreadable(const char* path)
{
    std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, ".unreadable-%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
        local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    std::unique_ptr<char[]> base = JoinText(path, stamp);
    ConfigFileSystem fileSystem;
    for (int number = 1; number <= 1000; ++number) {
        char suffix[16] = "";
        if (number > 1)
            std::snprintf(suffix, sizeof suffix, "-%d", number);
        std::unique_ptr<char[]> candidate = JoinText(base.get(), suffix);
        if (fileSystem.Exists(candidate.get()))
            continue;
        return fileSystem.Rename(path, candidate.get()) ? std::move(candidate) : nullptr;
    }
    return nullptr;
}

} // namespace toolbox

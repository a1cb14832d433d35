#include "toolbox/ConfigStartup.h"

#include "toolbox/Config.h"
#include "toolbox/ConfigFileSystem.h"
#include "toolbox/ConfigText.h"
#include "toolbox/GlobalLog.h"

#include <cstdio>
#include <ctime>

namespace toolbox {

namespace {

    // Whether the file could be moved aside.
    bool KeepAndReport(const char* unreadablePath)
    {
        std::unique_ptr<char[]> kept = ConfigStartup::KeepUnreadable(unreadablePath);
        if (kept) {
            GlobalLog(__FILE__, __LINE__, LogLevel::Error,
                "The configuration file %s could not be read; it has been kept as %s", unreadablePath, kept.get());
        } else {
            GlobalLog(__FILE__, __LINE__, LogLevel::Error,
                "The configuration file %s could not be read, and it could not be moved aside", unreadablePath);
        }
        return kept != nullptr;
    }

} // namespace

ConfigOrigin ConfigStartup::Load(
    Config& config, const char* dataFile, const char* defaultsFile, UnreadableDataFile unreadable)
{
    return LoadReporting(config, dataFile, defaultsFile, unreadable).origin;
}

ConfigStartupResult ConfigStartup::LoadReporting(
    Config& config, const char* dataFile, const char* defaultsFile, UnreadableDataFile unreadable)
{
    ConfigStartupResult result;
    std::unique_ptr<char[]> oldFile = JoinText(dataFile, ".old");
    for (const char* candidate : { dataFile, static_cast<const char*>(oldFile.get()) }) {
        ConfigFileState state = config.LoadOnly(candidate);
        if (state == ConfigFileState::Loaded) {
            result.origin = ConfigOrigin::DataFile;
            return result;
        }
        if (state == ConfigFileState::Missing)
            continue;
        bool keptAside = false;
        if (unreadable == UnreadableDataFile::Keep) {
            keptAside = KeepAndReport(candidate);
            if (!keptAside && !result.unreadableLeftInPlace)
                result.unreadableLeftInPlace = CopyText(candidate);
        }
        // The ".old" copy stands in for a file that is not there or cannot
        // be opened; one that was read but does not parse and stays where it
        // is remains the program's data file.
        if (state == ConfigFileState::Unparsable && !keptAside)
            break;
    }
    if (defaultsFile && config.LoadFile(defaultsFile))
        result.origin = ConfigOrigin::Defaults;
    return result;
}

std::unique_ptr<char[]> ConfigStartup::KeepUnreadable(const char* path)
{
    return KeepAside(path, "unreadable");
}

std::unique_ptr<char[]> ConfigStartup::KeepAside(const char* path, const char* reason)
{
    std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "-%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
        local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    std::unique_ptr<char[]> base = JoinText(JoinText(JoinText(path, ".").get(), reason).get(), stamp);
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

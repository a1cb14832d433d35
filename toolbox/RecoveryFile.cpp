#include "toolbox/RecoveryFile.h"

#include "toolbox/ConfigFileSystem.h"
#include "toolbox/ConfigStartup.h"
#include "toolbox/ConfigText.h"

#include <sys/stat.h>

namespace toolbox {

namespace {

    bool Exists(const char* path)
    {
        struct stat status;
        return ::stat(path, &status) == 0;
    }

    // The modification time of the file, or of its ".old" copy when only that
    // exists; false when neither does.
    bool FindModificationTime(const char* path, timespec& time)
    {
        struct stat status;
        if (::stat(path, &status) != 0 && ::stat(JoinText(path, ".old").get(), &status) != 0)
            return false;
        time = status.st_mtim;
        return true;
    }

    bool IsOlder(const timespec& left, const timespec& right)
    {
        return left.tv_sec < right.tv_sec || (left.tv_sec == right.tv_sec && left.tv_nsec < right.tv_nsec);
    }

} // namespace

RecoveryFile::RecoveryFile(const char* dataFile)
    : dataFile(CopyText(dataFile))
    , path(JoinText(dataFile, ".recovery"))
{
}

RecoveryState RecoveryFile::Inspect() const
{
    timespec recoveryTime {};
    if (!FindModificationTime(path.get(), recoveryTime))
        return RecoveryState::None;
    timespec dataTime {};
    // Two writes within one tick of the file system's clock carry the same
    // time; the recovery file then counts, since it is the one that may
    // hold changes.
    if (FindModificationTime(dataFile.get(), dataTime) && IsOlder(recoveryTime, dataTime))
        return RecoveryState::Stale;
    return RecoveryState::Pending;
}

ConfigFileLoad RecoveryFile::Load(Config& config) const
{
    return config.LoadFileReporting(path.get());
}

bool RecoveryFile::Save(Config& config) const
{
    return config.SaveFile(path.get());
}

std::unique_ptr<char[]> RecoveryFile::FindExisting() const
{
    if (Exists(path.get()))
        return CopyText(path.get());
    std::unique_ptr<char[]> old = JoinText(path.get(), ".old");
    return Exists(old.get()) ? std::move(old) : nullptr;
}

std::unique_ptr<char[]> RecoveryFile::KeepAside(const char* reason) const
{
    std::unique_ptr<char[]> existing = FindExisting();
    if (!existing)
        return nullptr;
    std::unique_ptr<char[]> kept = ConfigStartup::KeepAside(existing.get(), reason);
    if (kept)
        Remove();
    return kept;
}

bool RecoveryFile::Remove() const
{
    ConfigFileSystem fileSystem;
    bool removed = true;
    for (const char* suffix : { "", ".old", ".new" }) {
        std::unique_ptr<char[]> companion = JoinText(path.get(), suffix);
        if (fileSystem.Exists(companion.get()) && !fileSystem.Delete(companion.get()))
            removed = false;
    }
    return removed;
}

} // namespace toolbox

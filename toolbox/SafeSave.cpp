#include "toolbox/SafeSave.h"

#include "toolbox/ConfigFileSystem.h"
#include "toolbox/ConfigText.h"
#include "toolbox/ConfigWriter.h"
#include "toolbox/GlobalLog.h"

namespace toolbox {

namespace {

    const unsigned newFilePermissions = 0600;

} // namespace

SafeSave::SafeSave(ConfigFileSystem& fileSystem)
    : fileSystem(fileSystem)
{
}

SaveReport SafeSave::Save(const char* path, const Content& content)
{
    unsigned permissions = newFilePermissions;
    fileSystem.GetPermissions(path, permissions);
    std::unique_ptr<char[]> newPath = JoinText(path, ".new");
    std::unique_ptr<char[]> oldPath = JoinText(path, ".old");
    SaveReport report;
    Step failed = SaveThroughCompanions(path, newPath.get(), oldPath.get(), permissions, content);
    if (failed == Step::None) {
        report.outcome = SaveOutcome::Saved;
        return report;
    }
    report.obstacle = CopyText(failed == Step::MoveToOld ? oldPath.get() : newPath.get());
    if (!SaveThroughUniqueFile(path, permissions, content)) {
        GlobalLog(__FILE__, __LINE__, LogLevel::Error, "The file %s could not be saved (%s could not be used)", path,
            report.obstacle.get());
        return report;
    }
    if (failed != Step::CreateNew)
        fileSystem.Delete(newPath.get());
    GlobalLog(__FILE__, __LINE__, LogLevel::Error,
        "The file %s could not be saved the safe way (%s could not be used); it has been replaced directly, "
        "without keeping its previous version",
        path, report.obstacle.get());
    report.outcome = SaveOutcome::SavedWithoutBackup;
    return report;
}

SafeSave::Step SafeSave::SaveThroughCompanions(
    const char* path, const char* newPath, const char* oldPath, unsigned permissions, const Content& content)
{
    std::unique_ptr<ConfigWriter> writer = fileSystem.OpenWriter(newPath, permissions);
    if (!writer)
        return Step::CreateNew;
    if (!WriteAndClose(std::move(writer), content))
        return Step::WriteNew;
    if (fileSystem.Exists(path)) {
        fileSystem.Delete(oldPath);
        if (!fileSystem.Rename(path, oldPath))
            return Step::MoveToOld;
    }
    if (!fileSystem.Rename(newPath, path))
        return Step::MoveNew;
    fileSystem.SyncFolder(path);
    return Step::None;
}

bool SafeSave::SaveThroughUniqueFile(const char* path, unsigned permissions, const Content& content)
{
    std::unique_ptr<char[]> temporary;
    std::unique_ptr<ConfigWriter> writer
        = fileSystem.OpenUniqueWriter(JoinText(path, ".saving-").get(), permissions, temporary);
    if (!writer)
        return false;
    if (!WriteAndClose(std::move(writer), content) || !fileSystem.Rename(temporary.get(), path)) {
        fileSystem.Delete(temporary.get());
        return false;
    }
    fileSystem.SyncFolder(path);
    return true;
}

bool SafeSave::WriteAndClose(std::unique_ptr<ConfigWriter> writer, const Content& content)
{
    bool written = content(*writer);
    // A file whose last bytes did not reach the disk must not replace the
    // present one, so a failed close counts as a failed write.
    bool closed = fileSystem.CloseWriter(std::move(writer));
    return written && closed;
}

} // namespace toolbox

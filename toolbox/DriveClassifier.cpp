#include "toolbox/DriveClassifier.h"

#include "toolbox/FileBytes.h"
#include "toolbox/MountTable.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace toolbox {

namespace {

    const char* const networkTypes[] = {
        "nfs",
        "nfs4",
        "cifs",
        "smb3",
        "smbfs",
        "ncpfs",
        "afs",
        "coda",
        "ceph",
        "glusterfs",
        "lustre",
        "9p",
        "davfs",
        "fuse.sshfs",
        "fuse.glusterfs",
        "fuse.davfs2",
        "fuse.rclone",
    };

    bool IsOneOf(const char* text, const char* const* list, int count)
    {
        for (int i = 0; i < count; ++i) {
            if (std::strcmp(text, list[i]) == 0)
                return true;
        }
        return false;
    }

    bool ReadsOne(const String& fileName)
    {
        int length = 0;
        std::unique_ptr<char[]> text = FileBytes::Read(fileName.GetText(), length);
        return text && text[0] == '1';
    }

    bool Exists(const String& fileName)
    {
        int length = 0;
        return FileBytes::Read(fileName.GetText(), length) != nullptr;
    }

    // The deepest folder of the path that exists, with links resolved, since
    // the mount table lists resolved mount points.
    String ResolveExistingPart(const Path& path)
    {
        Path existing(path);
        while (!existing.Exists() && existing.RemoveLast()) { }
        String resolved;
        std::unique_ptr<char[]> text = existing.ToString();
        char buffer[PATH_MAX];
        resolved.Assign(realpath(text.get(), buffer) ? buffer : text.get());
        return resolved;
    }

} // namespace

bool DriveClassifier::IsNetworkFileSystem(const char* fileSystemType)
{
    return IsOneOf(fileSystemType, networkTypes, sizeof networkTypes / sizeof networkTypes[0]);
}

DriveKind DriveClassifier::Classify(const char* fileSystemType, Device device, std::int64_t totalSize)
{
    if (!fileSystemType)
        return DriveKind::Unknown;
    if (IsNetworkFileSystem(fileSystemType))
        return DriveKind::NetworkShare;
    if (std::strcmp(fileSystemType, "tmpfs") == 0 || std::strcmp(fileSystemType, "ramfs") == 0)
        return DriveKind::RamDisk;
    if (std::strcmp(fileSystemType, "iso9660") == 0 || std::strcmp(fileSystemType, "udf") == 0)
        return DriveKind::Optical;
    if (device == Device::Removable)
        return totalSize < 0 || totalSize <= SmallRemovableLimit ? DriveKind::SmallRemovable : DriveKind::Removable;
    return DriveKind::Fixed;
}

DriveClassifier::Device DriveClassifier::ProbeBlockDevice(int major, int minor)
{
    String folder("/sys/dev/block/");
    folder.AppendNumber(major);
    folder.AppendChar(':');
    folder.AppendNumber(minor);
    String removable(folder);
    removable.Append("/removable");
    String partition(folder);
    partition.Append("/partition");
    // A partition's flag is kept by the whole disk, one folder up.
    if (Exists(partition)) {
        removable.Assign(folder);
        removable.Append("/../removable");
    }
    if (ReadsOne(removable))
        return Device::Removable;
    char buffer[PATH_MAX];
    if (realpath(folder.GetText(), buffer) && std::strstr(buffer, "/usb"))
        return Device::Removable;
    return Device::NotRemovable;
}

DriveKind DriveClassifier::ClassifyPath(const Path& path)
{
    String resolved = ResolveExistingPart(path);
    std::unique_ptr<MountTable> table = MountTable::ReadOwn();
    const MountEntry* mount = table->FindFor(resolved.GetText());
    if (!mount)
        return DriveKind::Unknown;
    Device device = mount->major != 0 ? ProbeBlockDevice(mount->major, mount->minor) : Device::NotRemovable;
    std::int64_t totalSize = device == Device::Removable ? Path(resolved.GetText()).GetTotalSize() : 0;
    return Classify(mount->fileSystemType.GetText(), device, totalSize);
}

} // namespace toolbox

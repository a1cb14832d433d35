#include "toolbox/DataFolder.h"

#include "toolbox/Path.h"

namespace toolbox {

std::unique_ptr<Path> DataFolder::Locate(const char* productName, FolderCreation creation)
{
    auto folder = std::make_unique<Path>();
    if (folder->LocateSpecialFolder(SpecialFolder::LocalApplicationData)) {
        folder->Append("Quillfeather");
        folder->Append(productName);
        if (creation == FolderCreation::LeaveMissing || folder->Exists() || folder->CreateDirectories())
            return folder;
    }
    return Path::CreateApplicationDirectoryPath();
}

} // namespace toolbox

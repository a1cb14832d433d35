#include "toolbox/Path.h"

#include "toolbox/DriveClassifier.h"
#include "toolbox/NewOwned.h"
#include "toolbox/PathSyntax.h"
#include "toolbox/ProcessInfo.h"
#include "toolbox/UserFolderLocator.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace toolbox {

namespace {

    std::unique_ptr<char[]> AllocateText(int size)
    {
        std::unique_ptr<char[]> text(new (std::nothrow) char[size]);
        if (!text)
            throw EOutOfMemory();
        return text;
    }

} // namespace

Path::Path() = default;

Path::Path(const char* text)
{
    Parse(text);
}

Path::Path(const Path& other)
{
    Assign(other);
}

Path& Path::operator=(const Path& other)
{
    if (this != &other)
        Assign(other);
    return *this;
}

Path::~Path() = default;

void Path::Assign(const Path& other)
{
    if (this == &other)
        return;
    SetRoot(other.root);
    components.DeleteAll();
    for (String* component : other.components)
        AddOwned(components, NewOwned<String>(*component));
}

std::unique_ptr<Path> Path::Copy() const
{
    return NewOwned<Path>(*this);
}

void Path::Parse(const char* text)
{
    if (!text)
        text = "";
    int rootLength = PathSyntax::GetRootLength(text);
    String newRoot(text);
    newRoot.Truncate(rootLength);
    SetRoot(newRoot);
    components.DeleteAll();
    const char* rest = text + rootLength;
    while (*rest) {
        const char* end = rest;
        while (*end && !PathSyntax::IsSeparator(*end))
            ++end;
        if (end > rest) {
            auto component = NewOwned<String>(rest);
            component->Truncate(static_cast<int>(end - rest));
            AddOwned(components, std::move(component));
        }
        rest = *end ? end + 1 : end;
    }
}

std::unique_ptr<char[]> Path::ToString(TrailingSeparator trailingSeparator) const
{
    int length = root.GetLength();
    for (int i = 0; i < components.GetCount(); ++i)
        length += components.Get(i)->GetLength() + (i > 0 ? 1 : 0);
    // The empty relative path is the current folder; a separator after it
    // would turn it into the root.
    bool endsWithSeparator
        = length == 0 || (components.GetCount() == 0 && PathSyntax::IsSeparator(root.GetText()[root.GetLength() - 1]));
    bool addSeparator = trailingSeparator == TrailingSeparator::With && !endsWithSeparator;
    std::unique_ptr<char[]> text = AllocateText(length + (addSeparator ? 1 : 0) + 1);
    char* out = text.get();
    std::memcpy(out, root.GetText(), root.GetLength());
    out += root.GetLength();
    for (int i = 0; i < components.GetCount(); ++i) {
        if (i > 0)
            *out++ = PathSyntax::Separator;
        const String* component = components.Get(i);
        std::memcpy(out, component->GetText(), component->GetLength());
        out += component->GetLength();
    }
    if (addSeparator)
        *out++ = PathSyntax::Separator;
    *out = '\0';
    return text;
}

void Path::SetRoot(const String& newRoot)
{
    root.Assign(newRoot);
    PathSyntax::NormaliseRoot(root);
}

void Path::Append(const char* name)
{
    AddOwned(components, NewOwned<String>(name ? name : ""));
}

std::unique_ptr<String> Path::PopLast()
{
    return std::unique_ptr<String>(components.PopLast());
}

bool Path::RemoveLast()
{
    return components.DeleteLast();
}

std::unique_ptr<char[]> Path::GetSystemText() const
{
    std::unique_ptr<char[]> text = ToString();
    if (text[0] != '\0')
        return text;
    std::unique_ptr<char[]> current = AllocateText(2);
    std::strcpy(current.get(), ".");
    return current;
}

bool Path::Exists() const
{
    struct stat status;
    return stat(GetSystemText().get(), &status) == 0;
}

bool Path::IsDirectory() const
{
    struct stat status;
    return stat(GetSystemText().get(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool Path::CreateDirectory() const
{
    std::unique_ptr<char[]> text = ToString();
    return text[0] != '\0' && mkdir(text.get(), 0777) == 0;
}

bool Path::CreateDirectories() const
{
    Path partial;
    partial.SetRoot(root);
    for (String* component : components) {
        AddOwned(partial.components, NewOwned<String>(*component));
        // A file in the way is no folder, however much it exists.
        if (partial.IsDirectory())
            continue;
        if (!partial.CreateDirectory())
            return false;
    }
    return true;
}

std::int64_t Path::GetTotalSize() const
{
    std::unique_ptr<char[]> text = GetSystemText();
    struct stat status;
    if (stat(text.get(), &status) != 0)
        return errno == ENOENT || errno == ENOTDIR ? 0 : -1;
    struct statvfs fileSystem;
    if (statvfs(text.get(), &fileSystem) != 0)
        return -1;
    return static_cast<std::int64_t>(fileSystem.f_blocks) * static_cast<std::int64_t>(fileSystem.f_frsize);
}

DriveKind Path::GetDriveKind() const
{
    if (!PathSyntax::IsAbsoluteRoot(root))
        return DriveKind::Unknown;
    return DriveClassifier::ClassifyPath(*this);
}

bool Path::SetToSpecialFolder(SpecialFolder folder, FolderCreation create)
{
    String text;
    if (!UserFolderLocator::Locate(folder, text))
        return false;
    Path found(text.GetText());
    if (!found.IsDirectory() && !(create == FolderCreation::CreateMissing && found.CreateDirectories()))
        return false;
    Assign(found);
    return true;
}

bool Path::LocateSpecialFolder(SpecialFolder folder)
{
    String text;
    if (!UserFolderLocator::Locate(folder, text))
        return false;
    Parse(text.GetText());
    return true;
}

std::unique_ptr<Path> Path::CreateApplicationPath()
{
    return NewOwned<Path>(ProcessInfo::GetProgramFile().GetText());
}

std::unique_ptr<Path> Path::CreateApplicationDirectoryPath()
{
    std::unique_ptr<Path> path = CreateApplicationPath();
    path->RemoveLast();
    return path;
}

std::unique_ptr<Path> Path::CreateApplicationLikePath(const Path& folder, const char* extension)
{
    std::unique_ptr<Path> path = folder.Copy();
    CreateApplicationLikePathInternal(*path, extension);
    return path;
}

void Path::CreateApplicationLikePathInternal(Path& path, const char* extension)
{
    std::unique_ptr<Path> like = CreateLikePath(path, *CreateApplicationPath(), extension);
    // Source name and line are the ones stored logs have always shown for this failure.
    if (!like)
        throw EIllegalState(
            "The __argv[0] does not denote a valid path", "toolbox::Path::CreateApplicationLikePathInternal", 875);
    path.Assign(*like);
}

std::unique_ptr<Path> Path::CreateLikePath(const Path& folder, const Path& file, const char* extension)
{
    std::unique_ptr<String> name = file.Copy()->PopLast();
    if (!name)
        return nullptr;
    SetExtension(*name, extension);
    std::unique_ptr<Path> path = folder.Copy();
    AddOwned(path->components, std::move(name));
    return path;
}

std::unique_ptr<Path> Path::CreateDocumentsPath()
{
    auto path = NewOwned<Path>();
    if (path->SetToSpecialFolder(SpecialFolder::Documents, FolderCreation::CreateMissing))
        return path;
    return CreateApplicationDirectoryPath();
}

void Path::SetExtension(String& fileName, const char* extension)
{
    int dot = fileName.IndexOf('.');
    if (dot >= 0)
        fileName.Truncate(dot);
    if (!extension)
        extension = "";
    if (*extension == '.')
        ++extension;
    fileName.AppendChar('.');
    fileName.Append(extension);
}

} // namespace toolbox

#pragma once

#include "toolbox/ArrayList.h"
#include "toolbox/String.h"

#include <cstdint>
#include <memory>

namespace toolbox {

// What kind of medium holds a path. The numbers are fixed; 2 and 3 are unused.
enum class DriveKind : int {
    NetworkPrefix = 0,
    Unknown = 1,
    Fixed = 4,
    SmallRemovable = 5,
    Removable = 6,
    Optical = 7,
    NetworkServer = 8,
    NetworkShare = 9,
    Device = 10,
    RamDisk = 11,
};

// The per-user folders the program asks for. The numbers are the historic
// folder ids the program has always used for them.
enum class SpecialFolder : int {
    Documents = 5,
    LocalApplicationData = 28,
};

enum class FolderCreation { CreateMissing, LeaveMissing };

// A file-system path as a root ("/" for an absolute path, empty for a relative
// one) and a list of non-empty components. The path owns its component
// strings; copies of a path share the component buffers until one changes.
// Nothing is cached: every query builds the text again and asks the system.
class Path {
public:
    Path();
    explicit Path(const char* text);
    Path(const Path& other);
    Path& operator=(const Path& other);
    ~Path();

    void Assign(const Path& other);
    std::unique_ptr<Path> Copy() const;

    // The root followed by the components joined by the separator, with one
    // more separator at the end when asked for and the text does not already
    // end with one. The empty relative path stays empty either way, since it
    // names the current folder and "/" would name the root.
    enum class TrailingSeparator { Without, With };
    std::unique_ptr<char[]> ToString(TrailingSeparator trailingSeparator = TrailingSeparator::Without) const;

    const String& GetRoot() const { return root; }
    void SetRoot(const String& newRoot);

    int GetCount() const { return components.GetCount(); }
    String* Get(int index) const { return components.Get(index); }
    String* GetFirst() const { return components.GetFirst(); }
    String* GetLast() const { return components.GetLast(); }
    void Append(const char* name);
    std::unique_ptr<String> PopLast();
    bool RemoveLast();

    bool Exists() const;
    bool IsDirectory() const;
    bool CreateDirectory() const;
    bool CreateDirectories() const;
    // Total bytes of the medium that holds the path; 0 when the path does
    // not exist, -1 when the system cannot tell.
    std::int64_t GetTotalSize() const;
    DriveKind GetDriveKind() const;
    // On failure the path stays as it was.
    bool SetToSpecialFolder(SpecialFolder folder, FolderCreation create);
    // Sets the path to where the folder belongs, whether it exists yet or
    // not (on a fresh account ~/.local/share may not); false, with the path
    // unchanged, when not even that can be told (no usable $HOME).
    bool LocateSpecialFolder(SpecialFolder folder);

    // The program file, found through ProcessInfo.
    static std::unique_ptr<Path> CreateApplicationPath();
    static std::unique_ptr<Path> CreateApplicationDirectoryPath();
    // `folder` plus the program file's name with its extension replaced.
    static std::unique_ptr<Path> CreateApplicationLikePath(const Path& folder, const char* extension);
    // `folder` plus the name of `file` with its extension replaced; null when
    // `file` has no name.
    static std::unique_ptr<Path> CreateLikePath(const Path& folder, const Path& file, const char* extension);
    static void CreateApplicationLikePathInternal(Path& path, const char* extension);
    // The user's documents folder, created if missing; else the program's folder.
    static std::unique_ptr<Path> CreateDocumentsPath();

    // Cuts the name at its first "." and appends "." and the extension; a
    // leading "." of the extension is skipped.
    static void SetExtension(String& fileName, const char* extension);

private:
    void Parse(const char* text);
    // The text the system is asked about: the empty relative path names the
    // current folder.
    std::unique_ptr<char[]> GetSystemText() const;

    ArrayList<String> components;
    String root;
};

} // namespace toolbox

#include "toolbox/MountTable.h"

#include "toolbox/FileBytes.h"
#include "toolbox/NewOwned.h"

#include <cstdlib>
#include <cstring>

namespace toolbox {

namespace {

    // Reads the next field separated by blanks; false at the end of the line.
    bool NextField(const char*& c, const char* end, const char*& start, const char*& stop)
    {
        while (c < end && *c == ' ')
            ++c;
        if (c >= end)
            return false;
        start = c;
        while (c < end && *c != ' ')
            ++c;
        stop = c;
        return true;
    }

    bool IsOctal(char c)
    {
        return c >= '0' && c <= '7';
    }

    // The kernel writes blanks, tabs, line feeds and backslashes in names as
    // backslash and three octal digits.
    String Unescape(const char* start, const char* stop)
    {
        String text;
        for (const char* c = start; c < stop; ++c) {
            if (*c == '\\' && stop - c >= 4 && IsOctal(c[1]) && IsOctal(c[2]) && IsOctal(c[3])) {
                text.AppendChar(static_cast<char>((c[1] - '0') * 64 + (c[2] - '0') * 8 + (c[3] - '0')));
                c += 3;
            } else {
                text.AppendChar(*c);
            }
        }
        return text;
    }

    bool CoversPath(const String& mountPoint, const char* path)
    {
        int length = mountPoint.GetLength();
        if (std::strncmp(mountPoint.GetText(), path, length) != 0)
            return false;
        return length == 1 || path[length] == '\0' || path[length] == '/';
    }

} // namespace

MountTable::MountTable(const char* mountInfoText)
{
    const char* line = mountInfoText ? mountInfoText : "";
    while (*line) {
        const char* end = std::strchr(line, '\n');
        if (!end)
            end = line + std::strlen(line);
        ParseLine(line, end);
        line = *end ? end + 1 : end;
    }
}

std::unique_ptr<MountTable> MountTable::ReadOwn()
{
    int length = 0;
    std::unique_ptr<char[]> text = FileBytes::Read("/proc/self/mountinfo", length);
    return NewOwned<MountTable>(text ? text.get() : "");
}

// Fields: id, parent id, major:minor, root, mount point, options, optional
// fields up to "-", then the file system type and the source.
void MountTable::ParseLine(const char* line, const char* end)
{
    const char* c = line;
    const char* start;
    const char* stop;
    const char* device = nullptr;
    const char* mountPoint = nullptr;
    const char* mountPointStop = nullptr;
    for (int field = 0; field < 5; ++field) {
        if (!NextField(c, end, start, stop))
            return;
        if (field == 2)
            device = start;
        if (field == 4) {
            mountPoint = start;
            mountPointStop = stop;
        }
    }
    do {
        if (!NextField(c, end, start, stop))
            return;
    } while (!(stop - start == 1 && *start == '-'));
    if (!NextField(c, end, start, stop))
        return;
    auto entry = NewOwned<MountEntry>();
    entry->mountPoint = Unescape(mountPoint, mountPointStop);
    entry->fileSystemType = Unescape(start, stop);
    char* afterMajor = nullptr;
    entry->major = static_cast<int>(std::strtol(device, &afterMajor, 10));
    entry->minor = *afterMajor == ':' ? static_cast<int>(std::strtol(afterMajor + 1, nullptr, 10)) : 0;
    AddOwned(entries, std::move(entry));
}

const MountEntry* MountTable::FindFor(const char* path) const
{
    const MountEntry* best = nullptr;
    if (!path || path[0] != '/')
        return nullptr;
    for (const MountEntry* entry : entries) {
        if (!CoversPath(entry->mountPoint, path))
            continue;
        if (!best || entry->mountPoint.GetLength() >= best->mountPoint.GetLength())
            best = entry;
    }
    return best;
}

} // namespace toolbox

#include "toolbox/UserFolderLocator.h"

#include "toolbox/FileBytes.h"

#include <cstdlib>
#include <cstring>

namespace toolbox {

namespace {

    // The XDG rules ignore a variable that does not hold an absolute path.
    const char* AbsoluteVariable(const char* name)
    {
        const char* value = std::getenv(name);
        return value && value[0] == '/' ? value : nullptr;
    }

    bool BelowHome(const char* relative, String& text)
    {
        const char* home = AbsoluteVariable("HOME");
        if (!home)
            return false;
        text.Assign(home);
        text.AppendChar('/');
        text.Append(relative);
        return true;
    }

    bool BaseFolder(const char* variable, const char* belowHome, String& text)
    {
        const char* value = AbsoluteVariable(variable);
        if (!value)
            return BelowHome(belowHome, text);
        text.Assign(value);
        return true;
    }

    const char* SkipBlanks(const char* c)
    {
        while (*c == ' ' || *c == '\t')
            ++c;
        return c;
    }

    // Reads a shell value: double-quoted with backslash escapes, or bare up to
    // the end of the line.
    const char* ReadValue(const char* c, String& value)
    {
        value.Assign("");
        bool quoted = *c == '"';
        if (quoted)
            ++c;
        for (; *c && *c != '\n'; ++c) {
            if (quoted && *c == '"')
                break;
            if (!quoted && (*c == ' ' || *c == '\t' || *c == '#'))
                break;
            if (*c == '\\' && c[1] && c[1] != '\n')
                ++c;
            value.AppendChar(*c);
        }
        return c;
    }

    bool ExpandHome(const String& value, const char* home, String& text)
    {
        const char* raw = value.GetText();
        if (raw[0] == '/') {
            text.Assign(raw);
            return true;
        }
        const char* prefix = "$HOME";
        std::size_t prefixLength = std::strlen(prefix);
        if (!home || std::strncmp(raw, prefix, prefixLength) != 0)
            return false;
        const char* rest = raw + prefixLength;
        if (*rest != '\0' && *rest != '/')
            return false;
        text.Assign(home);
        text.Append(rest);
        return true;
    }

    bool LocateDocuments(String& text)
    {
        String configFolder;
        const char* home = AbsoluteVariable("HOME");
        if (BaseFolder("XDG_CONFIG_HOME", ".config", configFolder)) {
            configFolder.Append("/user-dirs.dirs");
            int length = 0;
            std::unique_ptr<char[]> fileText = FileBytes::Read(configFolder.GetText(), length);
            if (fileText && UserFolderLocator::FindUserDirectory(fileText.get(), "XDG_DOCUMENTS_DIR", home, text))
                return true;
        }
        return BelowHome("Documents", text);
    }

} // namespace

bool UserFolderLocator::Locate(SpecialFolder folder, String& text)
{
    switch (folder) {
    case SpecialFolder::LocalApplicationData:
        return BaseFolder("XDG_DATA_HOME", ".local/share", text);
    case SpecialFolder::Documents:
        return LocateDocuments(text);
    }
    return false;
}

bool UserFolderLocator::FindUserDirectory(const char* fileText, const char* key, const char* home, String& text)
{
    if (!fileText || !key)
        return false;
    std::size_t keyLength = std::strlen(key);
    bool found = false;
    String value;
    // The file is sourced by a shell, so a later assignment wins.
    for (const char* line = fileText; *line;) {
        const char* c = SkipBlanks(line);
        if (std::strncmp(c, key, keyLength) == 0 && c[keyLength] == '=') {
            ReadValue(c + keyLength + 1, value);
            String expanded;
            if (ExpandHome(value, home, expanded)) {
                text.Assign(expanded);
                found = true;
            }
        }
        const char* end = std::strchr(line, '\n');
        line = end ? end + 1 : line + std::strlen(line);
    }
    return found;
}

} // namespace toolbox

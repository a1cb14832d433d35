#pragma once

#include <string>

// Names are stored as bytes. They are shown as UTF-8; a name that is not
// valid UTF-8 (written on another system) is read as Latin-1.
class DisplayText {
public:
    static bool IsValidUtf8(const char* bytes);
    static std::string ToUtf8(const char* bytes);
};

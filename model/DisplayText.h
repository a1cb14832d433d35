#pragma once

#include <string>

// Names are stored as bytes, exactly as they were typed. They are shown as
// UTF-8; bytes that are not valid UTF-8 (written on a system with an 8-bit
// code page) are read as Latin-1 instead of being shown with replacement
// marks. The window and the programs without one all show names through here.
class DisplayText {
public:
    // A null text counts as empty, and so as valid.
    static bool IsValidUtf8(const char* bytes);
    static std::string ToUtf8(const char* bytes);
};

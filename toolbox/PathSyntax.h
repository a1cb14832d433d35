#pragma once

#include "toolbox/String.h"

namespace toolbox {

// The platform's rules for the text of a path: its separator, where the
// root ends, and the one form each kind of root is kept in. Paths on another
// system would differ here only.
class PathSyntax {
public:
    static constexpr char Separator = '/';

    static bool IsSeparator(char c) { return c == Separator; }
    // How many characters at the start of `text` make up its root: all
    // leading separators of an absolute path, none for a relative one.
    static int GetRootLength(const char* text);
    // A root that begins with a separator becomes the one root "/".
    static void NormaliseRoot(String& root);
    static bool IsAbsoluteRoot(const String& root) { return root.GetLength() > 0; }
};

} // namespace toolbox

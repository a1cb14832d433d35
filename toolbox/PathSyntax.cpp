#include "toolbox/PathSyntax.h"

namespace toolbox {

int PathSyntax::GetRootLength(const char* text)
{
    int length = 0;
    while (text && IsSeparator(text[length]))
        ++length;
    return length;
}

void PathSyntax::NormaliseRoot(String& root)
{
    if (root.GetLength() > 1 && IsSeparator(root.GetText()[0]))
        root.Truncate(1);
}

} // namespace toolbox

#include "toolbox/StrICmp.h"

namespace toolbox {

namespace {

    // Locale-independent on purpose: names must sort the same everywhere.
    unsigned char FoldAscii(char c)
    {
        auto byte = static_cast<unsigned char>(c);
        return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
    }

} // namespace

int StrICmp(const char* a, const char* b)
{
    if (a == b)
        return 0;
    if (!a)
        return -1;
    if (!b)
        return 1;
    for (;; ++a, ++b) {
        unsigned char left = FoldAscii(*a);
        unsigned char right = FoldAscii(*b);
        if (left != right)
            return left < right ? -1 : 1;
        if (left == 0)
            return 0;
    }
}

} // namespace toolbox

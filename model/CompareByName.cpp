#include "model/CompareByName.h"

#include "model/TreeItem.h"

namespace {

unsigned char Folded(char byte)
{
    auto value = static_cast<unsigned char>(byte);
    return value >= 'A' && value <= 'Z' ? static_cast<unsigned char>(value + ('a' - 'A')) : value;
}

} // namespace

int CompareByName(const TreeItem* left, const TreeItem* right)
{
    const char* a = left->GetName();
    const char* b = right->GetName();
    for (;; ++a, ++b) {
        unsigned char x = Folded(*a);
        unsigned char y = Folded(*b);
        if (x != y)
            return x < y ? -1 : 1;
        if (x == 0)
            return 0;
    }
}

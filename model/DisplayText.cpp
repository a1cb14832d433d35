#include "model/DisplayText.h"

namespace {

int ContinuationBytesAfter(unsigned char lead)
{
    if (lead < 0x80)
        return 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return -1;
}

// Rejects overlong forms, surrogates and code points above U+10FFFF, which
// the lead byte alone does not rule out.
bool IsValidSecondByte(unsigned char lead, unsigned char second)
{
    if (lead == 0xE0)
        return second >= 0xA0;
    if (lead == 0xED)
        return second <= 0x9F;
    if (lead == 0xF0)
        return second >= 0x90;
    if (lead == 0xF4)
        return second <= 0x8F;
    return true;
}

} // namespace

bool DisplayText::IsValidUtf8(const char* bytes)
{
    if (!bytes)
        return true;
    auto* text = reinterpret_cast<const unsigned char*>(bytes);
    while (*text) {
        int continuation = ContinuationBytesAfter(*text);
        if (continuation < 0)
            return false;
        for (int i = 1; i <= continuation; ++i) {
            if ((text[i] & 0xC0) != 0x80)
                return false;
        }
        if (continuation > 0 && !IsValidSecondByte(text[0], text[1]))
            return false;
        text += continuation + 1;
    }
    return true;
}

std::string DisplayText::ToUtf8(const char* bytes)
{
    if (!bytes)
        return std::string();
    if (IsValidUtf8(bytes))
        return bytes;
    std::string text;
    for (auto* c = reinterpret_cast<const unsigned char*>(bytes); *c; ++c) {
        if (*c < 0x80) {
            text += static_cast<char>(*c);
        } else {
            text += static_cast<char>(0xC0 | (*c >> 6));
            text += static_cast<char>(0x80 | (*c & 0x3F));
        }
    }
    return text;
}

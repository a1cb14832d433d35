#include "toolbox/ConfigText.h"

#include "toolbox/Exception.h"

#include <cstring>
#include <new>

namespace toolbox {

std::unique_ptr<char[]> CopyText(const char* text, std::size_t length)
{
    std::unique_ptr<char[]> copy(new (std::nothrow) char[length + 1]);
    if (!copy)
        throw EOutOfMemory();
    if (length > 0)
        std::memcpy(copy.get(), text, length);
    copy[length] = '\0';
    return copy;
}

std::unique_ptr<char[]> CopyText(const char* text)
{
    return text ? CopyText(text, std::strlen(text)) : CopyText("", 0);
}

std::unique_ptr<char[]> JoinText(const char* first, const char* second)
{
    std::size_t firstLength = std::strlen(first);
    std::size_t secondLength = std::strlen(second);
    std::unique_ptr<char[]> joined(new (std::nothrow) char[firstLength + secondLength + 1]);
    if (!joined)
        throw EOutOfMemory();
    std::memcpy(joined.get(), first, firstLength);
    std::memcpy(joined.get() + firstLength, second, secondLength + 1);
    return joined;
}

std::int32_t TruncateToLong(double value)
{
    if (!(value == value))
        return 0;
    if (value >= 2147483647.0)
        return 2147483647;
    if (value <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<std::int32_t>(value);
}

} // namespace toolbox

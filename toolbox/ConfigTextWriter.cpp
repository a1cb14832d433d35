#include "toolbox/ConfigTextWriter.h"

#include "toolbox/Exception.h"

#include <cstring>
#include <new>

namespace toolbox {

bool ConfigTextWriter::WriteString(const char* added)
{
    int addedLength = static_cast<int>(std::strlen(added));
    Reserve(length + addedLength + 1);
    std::memcpy(text.get() + length, added, addedLength + 1);
    length += addedLength;
    return true;
}

bool ConfigTextWriter::WriteChar(char c)
{
    Reserve(length + 2);
    text[length++] = c;
    text[length] = '\0';
    return true;
}

void ConfigTextWriter::Reserve(int size)
{
    if (size <= capacity)
        return;
    int newCapacity = capacity < 64 ? 64 : capacity;
    while (newCapacity < size)
        newCapacity *= 2;
    std::unique_ptr<char[]> grown(new (std::nothrow) char[newCapacity]);
    if (!grown)
        throw EOutOfMemory();
    if (text)
        std::memcpy(grown.get(), text.get(), length + 1);
    text = std::move(grown);
    capacity = newCapacity;
}

} // namespace toolbox

#include "toolbox/FileBytes.h"

#include "toolbox/Exception.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace toolbox {

namespace {

    std::unique_ptr<char[]> Allocate(int size)
    {
        std::unique_ptr<char[]> bytes(new (std::nothrow) char[size]);
        if (!bytes)
            throw EOutOfMemory();
        return bytes;
    }

} // namespace

std::unique_ptr<char[]> FileBytes::Read(const char* fileName, int& length)
{
    length = 0;
    if (!fileName)
        return nullptr;
    std::FILE* file = std::fopen(fileName, "rb");
    if (!file)
        return nullptr;
    int capacity = 4096;
    std::unique_ptr<char[]> bytes = Allocate(capacity);
    bool failed = false;
    for (;;) {
        std::size_t read = std::fread(bytes.get() + length, 1, capacity - 1 - length, file);
        length += static_cast<int>(read);
        if (length < capacity - 1) {
            failed = std::ferror(file) != 0;
            break;
        }
        if (capacity >= 0x10000000) {
            failed = true;
            break;
        }
        std::unique_ptr<char[]> larger = Allocate(capacity * 2);
        std::memcpy(larger.get(), bytes.get(), length);
        bytes = std::move(larger);
        capacity *= 2;
    }
    std::fclose(file);
    if (failed) {
        length = 0;
        return nullptr;
    }
    bytes[length] = '\0';
    return bytes;
}

} // namespace toolbox

#include "toolbox/ConfigFileWriter.h"

#include <unistd.h>

namespace toolbox {

ConfigFileWriter::~ConfigFileWriter()
{
    Close();
}

bool ConfigFileWriter::Open(const char* path)
{
    Close();
    file = std::fopen(path, "wb");
    return file != nullptr;
}

bool ConfigFileWriter::Close()
{
    if (!file)
        return true;
    // Flushed to the disk before the caller renames the file over the
    // previous one, so a power loss cannot leave an empty file in its place.
    bool synced = std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    bool closed = std::fclose(file) == 0 && synced;
    file = nullptr;
    return closed;
}

bool ConfigFileWriter::WriteString(const char* text)
{
    return file && std::fputs(text, file) >= 0;
}

bool ConfigFileWriter::WriteChar(char c)
{
    return file && std::fputc(static_cast<unsigned char>(c), file) != EOF;
}

} // namespace toolbox

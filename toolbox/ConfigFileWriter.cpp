#include "toolbox/ConfigFileWriter.h"

#include "toolbox/ConfigText.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
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

bool ConfigFileWriter::Create(const char* path, unsigned permissions)
{
    Close();
    int descriptor = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return false;
    if (!Adopt(descriptor, permissions)) {
        ::unlink(path);
        return false;
    }
    return true;
}

bool ConfigFileWriter::CreateUnique(const char* prefix, unsigned permissions, std::unique_ptr<char[]>& created)
{
    Close();
    std::unique_ptr<char[]> name = JoinText(prefix, "XXXXXX");
    int descriptor = ::mkostemp(name.get(), O_CLOEXEC);
    if (descriptor < 0)
        return false;
    if (!Adopt(descriptor, permissions)) {
        ::unlink(name.get());
        return false;
    }
    created = std::move(name);
    return true;
}

// The file is made 0600 and only then given its permissions, so that the
// user's umask cannot widen or narrow what the caller chose.
bool ConfigFileWriter::Adopt(int descriptor, unsigned permissions)
{
    if (::fchmod(descriptor, static_cast<mode_t>(permissions)) != 0) {
        ::close(descriptor);
        return false;
    }
    file = ::fdopen(descriptor, "wb");
    if (!file) {
        ::close(descriptor);
        return false;
    }
    return true;
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

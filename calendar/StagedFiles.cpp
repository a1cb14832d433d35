#include "calendar/StagedFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

std::string Failure(const std::string& target, int error)
{
    return "cannot write " + target + ": " + std::strerror(error);
}

// A new hidden file beside `target`, created with the permissions an
// ordinary new file gets; -1 with errno set when none can be made.
int CreateTemporaryBeside(const std::string& target, std::string& temporary)
{
    const std::filesystem::path path(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name
            = "." + path.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        temporary = (path.parent_path() / name).string();
        int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

bool WriteAll(int descriptor, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        ssize_t count = ::write(descriptor, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        written += static_cast<std::size_t>(count);
    }
    return ::fsync(descriptor) == 0;
}

} // namespace

StagedFiles::~StagedFiles()
{
    for (const Staged& file : staged)
        ::unlink(file.temporary.c_str());
}

bool StagedFiles::Stage(const std::string& target, const std::string& text, std::string& error)
{
    std::error_code ignored;
    // Found now, so that Commit has no foreseeable reason to fail half-way.
    if (std::filesystem::is_directory(target, ignored)) {
        error = Failure(target, EISDIR);
        return false;
    }
    std::string temporary;
    const int descriptor = CreateTemporaryBeside(target, temporary);
    if (descriptor < 0) {
        error = Failure(target, errno);
        return false;
    }
    staged.push_back({ temporary, target });
    const bool written = WriteAll(descriptor, text);
    const int writeError = errno;
    if (::close(descriptor) != 0 || !written) {
        error = Failure(target, written ? errno : writeError);
        return false;
    }
    return true;
}

bool StagedFiles::Commit(std::string& error)
{
    while (!staged.empty()) {
        const Staged& file = staged.front();
        if (std::rename(file.temporary.c_str(), file.target.c_str()) != 0) {
            error = Failure(file.target, errno);
            return false;
        }
        staged.erase(staged.begin());
    }
    return true;
}

#include "toolbox/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace toolbox {

FileLock::~FileLock()
{
    Release();
}

LockOutcome FileLock::Acquire(const char* path)
{
    Release();
    int opened = ::open(path, O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (opened < 0)
        return LockOutcome::Unavailable;
    int locked;
    do
        locked = ::flock(opened, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        bool elsewhere = errno == EWOULDBLOCK;
        ::close(opened);
        return elsewhere ? LockOutcome::HeldElsewhere : LockOutcome::Unavailable;
    }
    descriptor = opened;
    return LockOutcome::Held;
}

void FileLock::Release()
{
    if (descriptor < 0)
        return;
    ::close(descriptor);
    descriptor = -1;
}

} // namespace toolbox

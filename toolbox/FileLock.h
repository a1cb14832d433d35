#pragma once

namespace toolbox {

enum class LockOutcome {
    Held, // this object holds the lock now
    HeldElsewhere, // another open of the lock file, in this or another process, holds it
    Unavailable, // the lock file cannot be made or opened (a read-only folder, a link in its place)
};

// An exclusive lock on a lock file (flock), held from Acquire until Release or
// destruction, and given up by the system when the process ends however it
// ends. The lock file itself stays behind: removing it would let a second
// process lock a new file while the first still holds the old one.
class FileLock {
public:
    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Creates the lock file (private to the user) when it is missing; never
    // waits for the lock.
    LockOutcome Acquire(const char* path);
    void Release();
    bool IsHeld() const { return descriptor >= 0; }

private:
    int descriptor = -1;
};

} // namespace toolbox

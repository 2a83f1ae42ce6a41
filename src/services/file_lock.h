#pragma once
// One copy of the program at a time rewrites a file: each holds path.lock beside it
// from before the read until after the rename. The lock file is opened with no
// sharing and deleted when closed. Windows closes it however the process ends, and a
// share's server enforces the sharing for every computer and closes the handle of
// one that is gone, so a lock never outlives its holder. A lock file left behind all
// the same (a server that lost power) is a plain file: the next copy opens it,
// holds it and deletes it.

#include <string>

#include "platform/platform.h"

namespace velkaris {

class FileLock {
public:
    // Waits while another copy holds the lock, about 30 s at most. Raises
    // EFCreateError naming the lock file when it cannot be had.
    FileLock(Platform& platform, const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    Platform& platform_;
    FileHandle handle_;
};

}  // namespace velkaris

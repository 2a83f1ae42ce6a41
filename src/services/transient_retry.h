#pragma once
// Right after a file is written or touched, a virus scanner, the search indexer or
// a backup agent may hold it for a moment. The label file's open, the create of its
// temporary file, the replace and the clean-up delete are tried again while they
// fail that way, waiting a little longer each time, for about a second in all;
// any other failure, or a hold that outlasts the waits, stands as it is.

#include <cstdint>

#include "platform/platform.h"

namespace velkaris {

// Sharing and lock violations, and access denied: how another process's hold
// shows (Windows gives 5 for a file pending delete, Wine for replacing an open file).
bool IsTransientFileError(std::uint32_t error);

// The wait before the next attempt after the nth failed one (n from 1), in
// milliseconds; 0 once no attempt is left.
std::uint32_t TransientRetryWait(int failedAttempts);

// Calls attempt (true on success) until it succeeds, fails with an error that is
// not transient, or the waits are used up. On false the last error is still the
// one of the last attempt, for the caller's report.
template <typename Attempt>
bool RetryTransient(Platform& platform, Attempt&& attempt) {
    for (int failed = 1;; ++failed) {
        if (attempt()) return true;
        const std::uint32_t wait = TransientRetryWait(failed);
        if (wait == 0 || !IsTransientFileError(platform.GetLastError())) return false;
        platform.Sleep(wait);
    }
}

}  // namespace velkaris

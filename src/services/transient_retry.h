#pragma once
// Another process may hold a file for a while, and the calls that meet the hold are
// tried again while they fail that way, waiting a little longer each time, up to a
// bound set by a policy; any other failure, or a hold that outlasts the waits, stands
// as it is. One mechanism, two policies:
// - a brief hold: right after a file is written or touched, a virus scanner, the
//   search indexer or a backup agent may hold it for a moment (about a second in all);
// - a lock wait: another copy of the program holds the label file's lock while it
//   reads and replaces the file (about 30 seconds in all).

#include <cstdint>

#include "platform/platform.h"

namespace velkaris {

// Sharing and lock violations, and access denied: how another process's hold
// shows (Windows gives 5 for a file pending delete, Wine for replacing an open file).
bool IsTransientFileError(std::uint32_t error);

// Waits of step, 2 step, ... up to longest, then longest again: `waits` of them while
// the file is open elsewhere (a sharing violation), `otherWaits` for the other
// transient errors, which a folder the user may not write gives too.
struct RetryPolicy {
    int waits;
    int otherWaits;
    std::uint32_t step;
    std::uint32_t longest;
};
// 25, 50, ... 200 ms: nine attempts over 0.9 s.
constexpr RetryPolicy BRIEF_HOLD{8, 8, 25, 200};
// The same, then every 200 ms while the lock is held: about 30 s in all.
constexpr RetryPolicy LOCK_WAIT{154, 8, 25, 200};

// The wait before the next attempt after the nth failed one (n from 1) failed with
// error, in milliseconds; 0 once no attempt is left or the error is not transient.
std::uint32_t TransientRetryWait(const RetryPolicy& policy, int failedAttempts,
                                 std::uint32_t error);

// Calls attempt (true on success) until it succeeds, fails with an error that is
// not transient, or the policy's waits are used up. On false the last error is
// still the one of the last attempt, for the caller's report.
template <typename Attempt>
bool RetryTransient(Platform& platform, const RetryPolicy& policy, Attempt&& attempt) {
    for (int failed = 1;; ++failed) {
        if (attempt()) return true;
        const std::uint32_t wait = TransientRetryWait(policy, failed, platform.GetLastError());
        if (wait == 0) return false;
        platform.Sleep(wait);
    }
}

// A brief hold, the usual case.
template <typename Attempt>
bool RetryTransient(Platform& platform, Attempt&& attempt) {
    return RetryTransient(platform, BRIEF_HOLD, attempt);
}

}  // namespace velkaris

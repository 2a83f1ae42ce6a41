#include "services/transient_retry.h"

#include <algorithm>

#include "platform/win_values.h"

namespace velkaris {

bool IsTransientFileError(std::uint32_t error) {
    return error == win::ERROR_SHARING_VIOLATION || error == win::ERROR_LOCK_VIOLATION ||
           error == win::ERROR_ACCESS_DENIED;
}

std::uint32_t TransientRetryWait(const RetryPolicy& policy, int failedAttempts,
                                 std::uint32_t error) {
    if (!IsTransientFileError(error)) return 0;
    const int waits = error == win::ERROR_SHARING_VIOLATION ? policy.waits : policy.otherWaits;
    if (failedAttempts < 1 || failedAttempts > waits) return 0;
    return std::min(policy.step * static_cast<std::uint32_t>(failedAttempts), policy.longest);
}

}  // namespace velkaris

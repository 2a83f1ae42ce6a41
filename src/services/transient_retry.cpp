#include "services/transient_retry.h"

#include <algorithm>

#include "platform/win_values.h"

namespace velkaris {

bool IsTransientFileError(std::uint32_t error) {
    return error == win::ERROR_SHARING_VIOLATION || error == win::ERROR_LOCK_VIOLATION ||
           error == win::ERROR_ACCESS_DENIED;
}

std::uint32_t TransientRetryWait(const RetryPolicy& policy, int failedAttempts) {
    if (failedAttempts < 1 || failedAttempts > policy.waits) return 0;
    return std::min(policy.step * static_cast<std::uint32_t>(failedAttempts), policy.longest);
}

}  // namespace velkaris

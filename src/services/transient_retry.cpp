#include "services/transient_retry.h"

#include "platform/win_values.h"

namespace velkaris {

namespace {

// Waits of 25, 50, ... 200 ms: nine attempts spread over 0.9 s.
constexpr std::uint32_t WAIT_STEP = 25;
constexpr int WAITS = 8;

}  // namespace

bool IsTransientFileError(std::uint32_t error) {
    return error == win::ERROR_SHARING_VIOLATION || error == win::ERROR_LOCK_VIOLATION ||
           error == win::ERROR_ACCESS_DENIED;
}

std::uint32_t TransientRetryWait(int failedAttempts) {
    if (failedAttempts < 1 || failedAttempts > WAITS) return 0;
    return WAIT_STEP * static_cast<std::uint32_t>(failedAttempts);
}

}  // namespace velkaris

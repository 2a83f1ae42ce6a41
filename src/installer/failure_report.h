#pragma once
// The one place that catches the system's errors: it shows them and ends the process.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

std::string FailureReportText(const std::string& kindName, const std::string& moduleName,
                              std::uintptr_t address, const std::string& message);

// Runs the installer under the failure report; the process exit code.
int RunWithFailureReport(Platform& platform);

}  // namespace velkaris

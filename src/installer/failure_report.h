#pragma once
// The one place that catches the system's errors: it reports them and ends the process.

#include <cstdint>
#include <string>

#include "installer/run_installer.h"

namespace velkaris {

std::string FailureReportText(const std::string& kindName, const std::string& moduleName,
                              std::uintptr_t address, const std::string& message);

// Runs body, which gives the exit code. An error that escapes body goes to the log
// and then to the program's user interface, and ends the process with exit code 1.
int RunWithFailureReport(Program& program, int (*body)(Program&));

}  // namespace velkaris

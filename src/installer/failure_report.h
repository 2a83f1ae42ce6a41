#pragma once
// The failure report: what the box and the log say of an error, and what to do
// about it. The flow catches a version's error here to go on with the next one;
// every other error ends the process here.

#include <cstdint>
#include <string>
#include <string_view>

#include "installer/run_installer.h"
#include "text/errors.h"

namespace velkaris {

std::string FailureReportText(const std::string& kindName, const std::string& moduleName,
                              std::uintptr_t address, const std::string& message);

// One failure: the report as the box shows it, and the one line that says what to do.
struct Failure {
    std::string report;
    std::string advice;
};

// The error being handled; call it only inside a catch block.
Failure CurrentFailure(Program& program);

// The report, one log line per line of it, each after prefix, then the advice.
void LogFailure(Program& program, const Failure& failure, std::string_view prefix);

// Ends the run with the report: the log's last lines (the report itself unless
// logged already), the box, exit code 1.
int EndWithFailure(Program& program, const Failure& failure, bool logged);

// Runs body, which gives the exit code. An error that escapes body goes to the log
// and then to the program's user interface, and ends the process with exit code 1.
int RunWithFailureReport(Program& program, int (*body)(Program&));

}  // namespace velkaris

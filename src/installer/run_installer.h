#pragma once
// The whole life of the program: detect Word, ask, install for every version found,
// report.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/word_versions.h"
#include "installer/run_log.h"
#include "installer/user_interface.h"
#include "platform/platform.h"
#include "services/registry_navigator.h"

namespace velkaris {

// Program-wide state. It outlives RunInstaller so that an error leaving the flow
// reaches the failure report with the navigator still as it was.
struct Program {
    Program(Platform& p, UserInterface& u, RunLog& l) : platform(p), ui(&u), log(l) {}
    Platform& platform;
    UserInterface* ui;  // chosen once the command line is read
    RunLog& log;
    std::optional<RegistryNavigator> registry;
};

void RunInstaller(Program& program);

// The run's last log lines, its outcome and exit code, then its last box unless the
// text is empty: the log is whole while the box waits, and nothing fails after it.
void EndRun(Program& program, std::string_view outcome, int exitCode,
            const std::string& text = std::string(), std::uint32_t style = 0);

// Runs while the navigator stands at the version's key.
void InstallForVersion(Program& program, const WordVersion& version);

}  // namespace velkaris

#pragma once
// The whole life of the program: detect Word, ask, install for every version found,
// report.

#include <optional>

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

// Runs while the navigator stands at the version's key.
void InstallForVersion(Program& program, const WordVersion& version);

}  // namespace velkaris

#pragma once
// The whole life of the program: detect Word, ask, do the run's work for every
// version found, each on its own, report.

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

// What the work for the versions came to, where a mode counts it: the uninstall's
// last box tells whether there was anything to take out, and what was kept.
struct RunTally {
    std::int32_t removed = 0;      // the pack's labels taken out
    std::int32_t keptChanged = 0;  // the pack's labels kept: changed after the install
};

// What a run does to each Word version found: its question, its work for one
// version (called while the navigator stands at the version's key), its Done box
// and the outcome the log gives when every version succeeded. The install is one;
// the uninstall another, run by the same loop. A mode that takes the pack out has a
// box and an outcome of its own for a run that found none of it; one that puts the
// pack in tells, beside an older Word, of a newer one that got nothing.
struct RunMode {
    const char16_t* question;
    void (*forVersion)(Program& program, const WordVersion& version, RunTally& tally);
    const char16_t* doneText;
    const char* outcome;
    const char16_t* nothingDoneText = nullptr;
    const char* nothingOutcome = nullptr;
    const char16_t* newerWordText = nullptr;
};

extern const RunMode INSTALL;

// The exit code: 0, or 1 after the report of the first version that failed.
int RunInstaller(Program& program, const RunMode& mode);

// The run's last log lines, its outcome and exit code, then its last box unless the
// text is empty: the log is whole while the box waits. A log that failed on the way
// turns an exit code of 0 into its own report.
int EndRun(Program& program, std::string_view outcome, int exitCode,
           const std::u16string& text = std::u16string(), std::uint32_t style = 0);

void InstallForVersion(Program& program, const WordVersion& version, RunTally& tally);

}  // namespace velkaris

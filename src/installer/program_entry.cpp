#include "installer/program_entry.h"

#include <string>

#include "installer/command_line.h"
#include "installer/failure_report.h"
#include "installer/messages.h"
#include "installer/run_installer.h"
#include "installer/run_uninstaller.h"
#include "platform/win_values.h"
#include "services/dll_search.h"
#include "text/errors.h"

namespace velkaris {

namespace {

// As the version resource gives it.
const char* const PROGRAM_VERSION = "1.0.0";

std::string CommandLineText(const std::u16string& text) {
    // For the box's heading: the installer's texts are single-byte.
    std::string shown;
    for (char16_t c : text) shown += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return shown;
}

// Holds nothing: one serves every run.
QuietUserInterface quiet;

int RunCommandLine(Program& program) {
    // First of all, before a message box or the shell can load a DLL from the program's folder.
    RestrictDllSearch(program.platform);
    const CommandLine line = ParseCommandLine(program.platform.GetCommandLineW());
    if (line.quiet) program.ui = &quiet;
    if (line.logPath) program.log.Open(*line.logPath);
    program.log.Line(std::string("velkaris-labels ") + PROGRAM_VERSION + " started");
    if (line.badSwitch) {
        const std::string shown = CommandLineText(*line.badSwitch);
        const int exitCode = static_cast<int>(win::ERROR_INVALID_PARAMETER);
        EndRun(program, "Outcome: bad command line, switch " + shown + " not understood, nothing changed",
               exitCode, InsertTexts(INVALID_SWITCH_FORMAT, {shown}) + HELP_TEXT,
               win::MB_OK | win::MB_ICONWARNING);
        return exitCode;
    }
    if (line.help) {
        EndRun(program, "Outcome: help shown, nothing changed", 0, HELP_TEXT,
               win::MB_OK | win::MB_ICONINFORMATION);
        return 0;
    }
    if (line.uninstall) {
        RunUninstaller(program);
    } else {
        RunInstaller(program);
    }
    return 0;
}

}  // namespace

int RunProgram(Platform& platform) {
    InteractiveUserInterface interactive(platform);
    RunLog log(platform);
    // Declared here, not inside the flow, so nothing is freed before the report ends the process.
    Program program(platform, interactive, log);
    return RunWithFailureReport(program, RunCommandLine);
}

}  // namespace velkaris

#include "installer/program_entry.h"

#include <string>

#include "installer/command_line.h"
#include "installer/failure_report.h"
#include "installer/messages.h"
#include "installer/run_installer.h"
#include "installer/uninstall_mode.h"
#include "label_file/label_file_reader.h"
#include "platform/win_values.h"
#include "services/account_names.h"
#include "services/dll_search.h"
#include "services/file_reading.h"
#include "services/user_folder.h"
#include "text/errors.h"
#include "text/file_name_case.h"
#include "text/utf8_utf16.h"

namespace velkaris {

namespace {

// Given by the build, as to the version resource.
const char* const PROGRAM_VERSION = VELKARIS_VERSION;

// Holds nothing: one serves every run.
QuietUserInterface quiet;

// A log appended to the label file, its new file or its lock would break the file
// Word reads, or the lock that keeps two copies apart.
bool NamesLabelFile(Platform& platform, const std::u16string& logPath) {
    const std::string folder = GetUserFolder(platform, win::CSIDL_APPDATA);
    if (folder.empty()) return false;
    const std::u16string log = Utf8ToUtf16(AbsolutePath(platform, Utf16ToUtf8(logPath)));
    const std::string labelFile = AbsolutePath(platform, LabelFilePath(platform, folder));
    for (const char* suffix : {"", ".new", ".lock"}) {
        if (SameFileName(log, Utf8ToUtf16(labelFile + suffix))) return true;
    }
    return false;
}

int BadCommandLine(Program& program, const std::u16string& argument) {
    const std::u16string shown = ShownArgument(argument);
    const int exitCode = static_cast<int>(win::ERROR_INVALID_PARAMETER);
    return EndRun(program,
                  "Outcome: bad command line, " + Utf16ToUtf8(shown) + " not understood, nothing changed",
                  exitCode, INVALID_SWITCH_TEXT + shown + u"\r\r" + HELP_TEXT,
                  win::MB_OK | win::MB_ICONWARNING);
}

void LogStart(Program& program) {
    program.log.Line(std::string("velkaris-labels ") + PROGRAM_VERSION + " started by user " +
                     UserName(program.platform) + " on computer " + ComputerName(program.platform));
}

int RunCommandLine(Program& program) {
    // First of all, before a message box or the shell can load a DLL from the program's folder.
    RestrictDllSearch(program.platform);
    const CommandLine line = ParseCommandLine(program.platform.GetCommandLineW());
    if (line.quiet) program.ui = &quiet;
    // The command line is judged before the log is opened: a bad one is 87 whatever
    // the log, and is logged only where a log can be kept.
    if (line.logPath && NamesLabelFile(program.platform, *line.logPath)) {
        return BadCommandLine(program, u"/log " + *line.logPath);
    }
    if (line.badSwitch) {
        if (line.logPath && program.log.TryOpen(*line.logPath)) LogStart(program);
        return BadCommandLine(program, *line.badSwitch);
    }
    if (line.logPath) program.log.Open(*line.logPath);
    LogStart(program);
    if (line.help) {
        return EndRun(program, "Outcome: help shown, nothing changed", 0, HELP_TEXT,
                      win::MB_OK | win::MB_ICONINFORMATION);
    }
    // SYSTEM's own registry and folders hold no user's Word: it would find none and say so.
    if (program.platform.RunsAsLocalSystem()) {
        throw EOSError(
            "The program runs as the LocalSystem account (SYSTEM). The labels are installed "
            "per user, so the program must run in the user's session, as the user",
            Remedy::RunAsTheUser);
    }
    return RunInstaller(program, line.uninstall ? UNINSTALL : INSTALL);
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

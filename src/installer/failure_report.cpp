#include "installer/failure_report.h"

#include <cstdio>
#include <new>
#include <stdexcept>
#include <vector>

#include "platform/win_values.h"
#include "text/utf8_utf16.h"

namespace velkaris {

namespace {

constexpr std::size_t REPORT_LIMIT = 1023;

std::string ModuleName(Platform& platform) {
    std::vector<char16_t> buffer(win::MAX_PATH + 1, u'\0');
    const std::uint32_t length =
        platform.GetModuleFileNameW(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
    const std::string path = Utf16ToUtf8(
        std::u16string_view(buffer.data(), std::min<std::size_t>(length, buffer.size() - 1)));
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// In words the person hunting a failed user can act on.
const char* AdviceFor(Remedy remedy, bool outOfMemory) {
    if (outOfMemory) return "close other programs and run the program again";
    switch (remedy) {
        case Remedy::CloseTheFile:
            return "close Word and any other program that has the file open, then run the program again";
        case Remedy::RenameTheFile:
            return "rename the label file (its labels stay in the renamed file) and run the program "
                   "again, which starts a new one";
        case Remedy::RegistryPermissions:
            return "the user may not change this registry key: give the user full control of it "
                   "(the user's registry permissions) and run the program again";
        case Remedy::RunLater:
            return "another copy of the program holds the lock: run the program again later";
        case Remedy::FreeDiskSpace:
            return "free space on that disk and run the program again";
        case Remedy::RunAsTheUser:
            return "run the program as the user, in the user's own session (Intune: install "
                   "behavior User; Configuration Manager: Run with user's rights), never as SYSTEM";
        case Remedy::ShowTheDesktop:
            return "run the program in the user's session, where the desktop is shown, or with /quiet";
        case Remedy::LogElsewhere:
            return "give /log a file on a local disk, in a folder the user may write to";
        case Remedy::None:
            break;
    }
    return "run the program again; if it fails again, pass this report on to support";
}

Failure MakeFailure(Program& program, const std::string& kindName, std::uintptr_t address,
                    const std::string& message, Remedy remedy) {
    return Failure{FailureReportText(kindName, ModuleName(program.platform), address, message),
                   AdviceFor(remedy, kindName == "EOutOfMemory")};
}

}  // namespace

std::string FailureReportText(const std::string& kindName, const std::string& moduleName,
                              std::uintptr_t address, const std::string& message) {
    char position[9];
    std::snprintf(position, sizeof position, "%08X",
                  static_cast<unsigned>(address & 0xFFFFFFFFu));
    const bool addPeriod = !message.empty() && message.back() != '.';
    std::string text = "Exception " + kindName + " in module " + moduleName + " at " + position +
                       ".\r\n" + message + (addPeriod ? "." : "") + "\r\n";
    // Counted as the box counts it, in UTF-16 units, and cut between characters only.
    if (text.size() <= REPORT_LIMIT) return text;
    const std::u16string wide = Utf8ToUtf16(text);
    if (wide.size() <= REPORT_LIMIT) return text;
    const bool splitsPair = IsHighSurrogate(wide[REPORT_LIMIT - 1]) && IsLowSurrogate(wide[REPORT_LIMIT]);
    return Utf16ToUtf8(std::u16string_view(wide).substr(0, REPORT_LIMIT - (splitsPair ? 1 : 0)));
}

Failure CurrentFailure(Program& program) {
    try {
        throw;
    } catch (const Exception& error) {
        return MakeFailure(program, error.KindName(), error.RaiseAddress(), error.Message(),
                           error.GetRemedy());
    } catch (const std::bad_alloc&) {
        return MakeFailure(program, "EOutOfMemory", 0, "Out of memory", Remedy::None);
    } catch (const std::length_error&) {
        // A size past what a string can hold is the same shortage to the user.
        return MakeFailure(program, "EOutOfMemory", 0, "Out of memory", Remedy::None);
    } catch (const std::exception& error) {
        return MakeFailure(program, "Exception", 0, error.what(), Remedy::None);
    }
}

void LogFailure(Program& program, const Failure& failure, std::string_view prefix) {
    program.log.Lines(std::string(prefix) + "Failure: ", failure.report);
    program.log.Line(std::string(prefix) + "What to do: " + failure.advice);
}

int EndWithFailure(Program& program, const Failure& failure, bool logged) {
    if (!logged) LogFailure(program, failure, "");
    program.log.Line("Exit code 1");
    program.log.Close();  // like every file, closed on the way out
    program.ui->ReportFailure(failure.report);
    program.platform.ExitProcess(1);
    return 1;  // only reached where ExitProcess returns, as in the tests
}

int RunWithFailureReport(Program& program, int (*body)(Program&)) {
    try {
        return body(program);
    } catch (...) {
        // Memory may run out again while the report is made: the exit code still tells.
        try {
            return EndWithFailure(program, CurrentFailure(program), false);
        } catch (...) {
            program.log.Close();
            program.platform.ExitProcess(1);
            return 1;
        }
    }
}

}  // namespace velkaris

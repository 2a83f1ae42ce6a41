#include "installer/failure_report.h"

#include <cstdio>
#include <new>
#include <stdexcept>
#include <vector>

#include "platform/win_values.h"
#include "text/errors.h"
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

int Report(Program& program, const std::string& kindName, std::uintptr_t address,
           const std::string& message) {
    const std::string text =
        FailureReportText(kindName, ModuleName(program.platform), address, message);
    try {
        program.log.Line("Failure: " + text.substr(0, text.find_last_not_of("\r\n") + 1));
        program.log.Line("Exit code 1");
    } catch (...) {
        // The log itself failed: the report and the exit code still tell.
    }
    program.log.Close();  // like every file, closed on the way out
    program.ui->ReportFailure(text);
    program.platform.ExitProcess(1);
    return 1;  // only reached where ExitProcess returns, as in the tests
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

int RunWithFailureReport(Program& program, int (*body)(Program&)) {
    try {
        return body(program);
    } catch (const Exception& error) {
        return Report(program, error.KindName(), error.RaiseAddress(), error.Message());
    } catch (const std::bad_alloc&) {
        return Report(program, "EOutOfMemory", 0, "Out of memory");
    } catch (const std::length_error&) {
        // A size past what a string can hold is the same shortage to the user.
        return Report(program, "EOutOfMemory", 0, "Out of memory");
    } catch (const std::exception& error) {
        return Report(program, "Exception", 0, error.what());
    }
}

}  // namespace velkaris

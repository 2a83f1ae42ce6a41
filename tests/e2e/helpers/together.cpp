// together: starts copies of a program at the same moment, as a logon script and
// Intune, or two sessions of one user, may start the installer.
//
//   together N PROGRAM [ARGUMENTS...]
//
// Creates N processes suspended, then resumes them all at once, waits for every
// one and prints each one's exit code on a line of its own, in the order started.
// Exit codes: 0 all ran, 1 one could not be started, 64 usage.

#include "helper_io.h"

#include <string>
#include <vector>

int main() {
    const std::vector<std::wstring> args = helper::Arguments();
    const int count = args.size() >= 2 ? _wtoi(args[0].c_str()) : 0;
    if (count < 1) {
        helper::Err("usage: together N PROGRAM [ARGUMENTS...]");
        return 64;
    }
    std::wstring line = L"\"" + args[1] + L"\"";
    for (std::size_t i = 2; i < args.size(); ++i) line += L" \"" + args[i] + L"\"";

    std::vector<PROCESS_INFORMATION> started;
    for (int i = 0; i < count; ++i) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::wstring mutableLine = line;
        if (!CreateProcessW(nullptr, &mutableLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                            nullptr, nullptr, &startup, &process)) {
            helper::Err("together: cannot start " + helper::Utf8(args[1]) + ": error " +
                        std::to_string(GetLastError()));
            return 1;
        }
        started.push_back(process);
    }
    for (const PROCESS_INFORMATION& process : started) ResumeThread(process.hThread);
    for (const PROCESS_INFORMATION& process : started) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        helper::Out(std::to_string(code));
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return 0;
}

// holdfile: keeps a file open with share mode 0, as Word does with a label file
// it is using, until the process is killed.
//
//   holdfile PATH [READY_PATH]
//
// Once the file is held it prints "held" and, when READY_PATH is given, creates
// that file, so a script knows when to go on. Exit codes: 1 the file could not be
// opened, 64 usage; otherwise it never ends by itself.

#include "helper_io.h"

#include <string>
#include <vector>

int main() {
    const std::vector<std::wstring> args = helper::Arguments();
    if (args.empty() || args.size() > 2) {
        helper::Err("usage: holdfile PATH [READY_PATH]");
        return 64;
    }
    const HANDLE opened = CreateFileW(args[0].c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        helper::Err("holdfile: cannot open " + helper::Utf8(args[0]) + ": error " +
                    std::to_string(GetLastError()));
        return 1;
    }
    const helper::OwnedHandle held(opened);
    if (args.size() == 2) {
        const HANDLE ready = CreateFileW(args[1].c_str(), GENERIC_WRITE, 0, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
    }
    helper::Out("held");
    for (;;) Sleep(INFINITE);
}

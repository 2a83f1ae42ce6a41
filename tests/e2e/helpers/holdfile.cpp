// holdfile: keeps a file open with share mode 0, as Word does with a label file
// it is using, or as a virus scanner does for a moment with a file just written.
//
//   holdfile PATH [READY_PATH]
//   holdfile --brief MS PATH [READY_PATH [CAPTION]]
//
// The first form holds the file until the process is killed: once it is held it
// prints "held" and, when READY_PATH is given, creates that file, so a script
// knows when to go on.
//
// The second form takes the file as soon as it can: it keeps trying, without
// pause and from two threads, while the file is missing or open elsewhere without
// sharing, so it gets a file that another program has just written the moment
// that program closes it.
// READY_PATH is created after the first try, whether it got the file or not. It
// holds the file MS milliseconds, counted from when no window with CAPTION is
// left when CAPTION is given, then closes it and ends with 0. It prints
// "held after N refused opens (last error E)" and "released after T ms".
//
// Exit codes: 1 the file could not be opened (first form) or a failure other than
// a missing file or a sharing violation (second form), 64 usage.

#include "helper_io.h"

#include <string>
#include <vector>

namespace {

HANDLE OpenWithoutSharing(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

void MakeReadyFile(const std::wstring& path) {
    const HANDLE ready = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
}

int HoldUntilKilled(const std::vector<std::wstring>& args) {
    const HANDLE opened = OpenWithoutSharing(args[0]);
    if (opened == INVALID_HANDLE_VALUE) {
        helper::Err("holdfile: cannot open " + helper::Utf8(args[0]) + ": error " +
                    std::to_string(GetLastError()));
        return 1;
    }
    const helper::OwnedHandle held(opened);
    if (args.size() == 2) MakeReadyFile(args[1]);
    helper::Out("held");
    for (;;) Sleep(INFINITE);
}

// Threads that keep trying to open the file: with two, one request is nearly
// always waiting when another program closes it, so the file is ours before that
// program's next call.
struct Race {
    std::wstring path;
    volatile LONG refused = 0;
    volatile LONG lastError = 0;
    volatile LONG failed = 0;  // an error other than a missing file or a sharing violation
    HANDLE won = INVALID_HANDLE_VALUE;
    HANDLE done = nullptr;     // event set once the file is held or a try failed outright
};

DWORD WINAPI TryUntilHeld(void* parameter) {
    Race& race = *static_cast<Race*>(parameter);
    while (WaitForSingleObject(race.done, 0) == WAIT_TIMEOUT) {
        const HANDLE opened = OpenWithoutSharing(race.path);
        if (opened != INVALID_HANDLE_VALUE) {
            race.won = opened;  // share mode 0: no other thread can get it too
            SetEvent(race.done);
            return 0;
        }
        const DWORD error = GetLastError();
        InterlockedExchange(&race.lastError, static_cast<LONG>(error));
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_SHARING_VIOLATION) {
            InterlockedExchange(&race.failed, 1);
            SetEvent(race.done);
            return 1;
        }
        InterlockedIncrement(&race.refused);
    }
    return 0;
}

int HoldBriefly(unsigned long ms, const std::vector<std::wstring>& args) {
    Race race;
    race.path = args[0];
    race.done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (race.done == nullptr) return 1;
    const helper::OwnedHandle doneOwner(race.done);
    // The first try alone: a file that is there and free is held before READY.
    const HANDLE first = OpenWithoutSharing(race.path);
    if (first != INVALID_HANDLE_VALUE) {
        race.won = first;
    } else {
        race.lastError = static_cast<LONG>(GetLastError());
        race.refused = 1;
        if (race.lastError != ERROR_FILE_NOT_FOUND && race.lastError != ERROR_SHARING_VIOLATION) {
            helper::Err("holdfile: cannot open " + helper::Utf8(race.path) + ": error " +
                        std::to_string(race.lastError));
            return 1;
        }
    }
    if (args.size() >= 2) MakeReadyFile(args[1]);
    if (race.won == INVALID_HANDLE_VALUE) {
        HANDLE threads[2] = {};
        for (HANDLE& thread : threads) {
            thread = CreateThread(nullptr, 0, TryUntilHeld, &race, 0, nullptr);
            if (thread == nullptr) return 1;
        }
        WaitForMultipleObjects(2, threads, TRUE, INFINITE);
        for (HANDLE thread : threads) CloseHandle(thread);
        if (race.failed != 0 || race.won == INVALID_HANDLE_VALUE) {
            helper::Err("holdfile: cannot open " + helper::Utf8(race.path) + ": error " +
                        std::to_string(race.lastError));
            return 1;
        }
    }
    const helper::OwnedHandle held(race.won);
    const ULONGLONG heldAt = GetTickCount64();
    helper::Out("held after " + std::to_string(race.refused) + " refused opens (last error " +
                std::to_string(race.lastError) + ")");
    if (args.size() == 3) {
        while (FindWindowW(nullptr, args[2].c_str()) != nullptr) Sleep(1);
    }
    Sleep(ms);
    helper::Out("released after " + std::to_string(GetTickCount64() - heldAt) + " ms");
    return 0;
}

}  // namespace

int main() {
    std::vector<std::wstring> args = helper::Arguments();
    if (!args.empty() && args[0] == L"--brief") {
        unsigned long ms = 0;
        if (args.size() < 3 || args.size() > 5 || !helper::ParseNumber(args[1], ms)) {
            helper::Err("usage: holdfile --brief MS PATH [READY_PATH [CAPTION]]");
            return 64;
        }
        return HoldBriefly(ms, std::vector<std::wstring>(args.begin() + 2, args.end()));
    }
    if (args.empty() || args.size() > 2) {
        helper::Err("usage: holdfile PATH [READY_PATH]");
        return 64;
    }
    return HoldUntilKilled(args);
}

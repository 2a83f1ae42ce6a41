// boxreader: reads and answers the message boxes of another program, run in the
// same Wine prefix (or on Windows) as that program.
//
//   boxreader read CAPTION [TIMEOUT_MS]       waits for a visible top-level window
//                                             with that caption and prints it
//   boxreader click CAPTION ID [TIMEOUT_MS]   presses its button ID with BM_CLICK
//                                             and waits for the window to close
//   boxreader list                            prints every visible top-level window
//
// "read" prints, one line each, TAB-separated, texts UTF-8 with \r \n \t \\ escaped:
//   acp     <the process's ANSI code page>
//   window  <class>  <caption>
//   child   <class>  <control ID>  <text>      (visible children only)
// Exit codes: 0 done, 2 no such window in time, 3 no such button, 4 the window
// stayed open after the click, 64 usage.

#include "helper_io.h"

#include <string>
#include <vector>

namespace {

const DWORD DEFAULT_TIMEOUT_MS = 15000;
const DWORD POLL_MS = 50;
// The box sets its texts while it initialises; reading right after it shows is
// early enough for a person and late enough for the texts.
const DWORD SETTLE_MS = 200;

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

HWND WaitForWindow(const std::wstring& caption, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        const HWND window = FindWindowW(nullptr, caption.c_str());
        if (window != nullptr && IsWindowVisible(window)) {
            Sleep(SETTLE_MS);
            if (IsWindow(window)) return window;
        }
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(POLL_MS);
    }
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> VisibleChildren(HWND window) {
    std::vector<HWND> all;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> visible;
    for (const HWND child : all)
        if (IsWindowVisible(child)) visible.push_back(child);
    return visible;
}

int Read(const std::wstring& caption, DWORD timeoutMs) {
    const HWND window = WaitForWindow(caption, timeoutMs);
    if (window == nullptr) {
        helper::Err("boxreader: no window \"" + helper::Utf8(caption) + "\"");
        return 2;
    }
    helper::Out("acp\t" + std::to_string(GetACP()));
    helper::Out("window\t" + helper::Escaped(ClassOf(window)) + "\t" +
                helper::Escaped(TextOf(window)));
    for (const HWND child : VisibleChildren(window)) {
        helper::Out("child\t" + helper::Escaped(ClassOf(child)) + "\t" +
                    std::to_string(GetDlgCtrlID(child)) + "\t" + helper::Escaped(TextOf(child)));
    }
    return 0;
}

int Click(const std::wstring& caption, int id, DWORD timeoutMs) {
    const HWND window = WaitForWindow(caption, timeoutMs);
    if (window == nullptr) {
        helper::Err("boxreader: no window \"" + helper::Utf8(caption) + "\"");
        return 2;
    }
    HWND button = nullptr;
    for (const HWND child : VisibleChildren(window))
        if (GetDlgCtrlID(child) == id && ClassOf(child) == L"Button") button = child;
    if (button == nullptr) {
        helper::Err("boxreader: no button " + std::to_string(id));
        return 3;
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &ignored);
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= timeoutMs) {
            helper::Err("boxreader: the window stayed open");
            return 4;
        }
        Sleep(POLL_MS);
    }
    return 0;
}

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
    if (IsWindowVisible(window)) {
        helper::Out("window\t" + helper::Escaped(ClassOf(window)) + "\t" +
                    helper::Escaped(TextOf(window)));
    }
    return TRUE;
}

int Usage() {
    helper::Err("usage: boxreader read CAPTION [TIMEOUT_MS]\n"
                "       boxreader click CAPTION ID [TIMEOUT_MS]\n"
                "       boxreader list");
    return 64;
}

}  // namespace

int main() {
    const std::vector<std::wstring> args = helper::Arguments();
    if (args.empty()) return Usage();
    unsigned long timeout = DEFAULT_TIMEOUT_MS;
    unsigned long id = 0;
    if (args[0] == L"read" && (args.size() == 2 || args.size() == 3)) {
        if (args.size() == 3 && !helper::ParseNumber(args[2], timeout)) return Usage();
        return Read(args[1], timeout);
    }
    if (args[0] == L"click" && (args.size() == 3 || args.size() == 4)) {
        if (!helper::ParseNumber(args[2], id)) return Usage();
        if (args.size() == 4 && !helper::ParseNumber(args[3], timeout)) return Usage();
        return Click(args[1], static_cast<int>(id), timeout);
    }
    if (args[0] == L"list" && args.size() == 1) {
        EnumWindows(PrintTopLevel, 0);
        return 0;
    }
    return Usage();
}

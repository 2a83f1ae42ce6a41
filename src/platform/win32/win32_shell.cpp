// Shell, user interface, process and account calls: SHGetSpecialFolderPathW,
// MessageBoxW, GetModuleFileNameW, GetCurrentProcessId, GetUserNameW, GetComputerNameW,
// CheckTokenMembership (with CreateWellKnownSid), GetCommandLineW, GetLocalTime,
// ExitProcess.
#include <windows.h>

#include "platform/win32/system_function.h"
#include "platform/win32/win32_platform.h"

namespace velkaris {

namespace {

using SHGetSpecialFolderPathWCall = BOOL(WINAPI*)(HWND, LPWSTR, int, BOOL);
using MessageBoxWCall = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT);

}  // namespace

bool Win32Platform::SHGetSpecialFolderPathW(char16_t* buffer, std::int32_t folder, bool create) {
    static const auto call =
        SystemFunction<SHGetSpecialFolderPathWCall>(L"shell32.dll", "SHGetSpecialFolderPathW");
    return call != nullptr && call(nullptr, reinterpret_cast<wchar_t*>(buffer), folder,
                                   create ? TRUE : FALSE) != FALSE;
}

std::int32_t Win32Platform::MessageBoxW(const std::u16string& text, const std::u16string& caption,
                                        std::uint32_t style) {
    static const auto call = SystemFunction<MessageBoxWCall>(L"user32.dll", "MessageBoxW");
    if (call == nullptr) return 0;
    return call(nullptr, reinterpret_cast<const wchar_t*>(text.c_str()),
                reinterpret_cast<const wchar_t*>(caption.c_str()), style);
}

std::uint32_t Win32Platform::GetModuleFileNameW(char16_t* buffer, std::uint32_t size) {
    return ::GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(buffer), size);
}

std::uint32_t Win32Platform::GetCurrentProcessId() { return ::GetCurrentProcessId(); }

bool Win32Platform::GetUserNameW(char16_t* buffer, std::uint32_t& size) {
    DWORD length = size;
    const BOOL ok = ::GetUserNameW(reinterpret_cast<wchar_t*>(buffer), &length);
    size = length;
    return ok != FALSE;
}

bool Win32Platform::GetComputerNameW(char16_t* buffer, std::uint32_t& size) {
    DWORD length = size;
    const BOOL ok = ::GetComputerNameW(reinterpret_cast<wchar_t*>(buffer), &length);
    size = length;
    return ok != FALSE;
}

bool Win32Platform::RunsAsLocalSystem() {
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof sid;
    BOOL member = FALSE;
    return ::CreateWellKnownSid(WinLocalSystemSid, nullptr, sid, &size) != FALSE &&
           ::CheckTokenMembership(nullptr, sid, &member) != FALSE && member != FALSE;
}

std::u16string Win32Platform::GetCommandLineW() {
    return reinterpret_cast<const char16_t*>(::GetCommandLineW());
}

void Win32Platform::GetLocalTime(LocalTime& time) {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    time = LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void Win32Platform::ExitProcess(std::uint32_t exitCode) { ::ExitProcess(exitCode); }

}  // namespace velkaris

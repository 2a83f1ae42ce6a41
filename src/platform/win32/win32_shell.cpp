// Shell, user interface and process calls: SHGetSpecialFolderPathW,
// MultiByteToWideChar, MessageBoxW, MessageBoxA, GetModuleFileNameW, GetCommandLineW,
// GetLocalTime, ExitProcess.
#include <windows.h>

#include "platform/win32/system_function.h"
#include "platform/win32/win32_platform.h"

namespace velkaris {

namespace {

using SHGetSpecialFolderPathWCall = BOOL(WINAPI*)(HWND, LPWSTR, int, BOOL);
using MessageBoxWCall = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT);
using MessageBoxACall = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);

}  // namespace

bool Win32Platform::SHGetSpecialFolderPathW(char16_t* buffer, std::int32_t folder, bool create) {
    static const auto call =
        SystemFunction<SHGetSpecialFolderPathWCall>(L"shell32.dll", "SHGetSpecialFolderPathW");
    return call != nullptr && call(nullptr, reinterpret_cast<wchar_t*>(buffer), folder,
                                   create ? TRUE : FALSE) != FALSE;
}

std::int32_t Win32Platform::MultiByteToWideChar(std::uint32_t codePage, const char* text,
                                                std::int32_t length, char16_t* wide,
                                                std::int32_t wideLength) {
    return ::MultiByteToWideChar(codePage, 0, text, length, reinterpret_cast<wchar_t*>(wide),
                                 wideLength);
}

std::int32_t Win32Platform::MessageBoxW(const std::u16string& text, const std::u16string& caption,
                                        std::uint32_t style) {
    static const auto call = SystemFunction<MessageBoxWCall>(L"user32.dll", "MessageBoxW");
    if (call == nullptr) return 0;
    return call(nullptr, reinterpret_cast<const wchar_t*>(text.c_str()),
                reinterpret_cast<const wchar_t*>(caption.c_str()), style);
}

std::int32_t Win32Platform::MessageBoxA(const std::string& text, const std::string& caption,
                                        std::uint32_t style) {
    static const auto call = SystemFunction<MessageBoxACall>(L"user32.dll", "MessageBoxA");
    if (call == nullptr) return 0;
    return call(nullptr, text.c_str(), caption.c_str(), style);
}

std::uint32_t Win32Platform::GetModuleFileNameW(char16_t* buffer, std::uint32_t size) {
    return ::GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(buffer), size);
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

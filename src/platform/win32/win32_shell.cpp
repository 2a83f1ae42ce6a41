// Shell, user interface and process calls: SHGetSpecialFolderPathA,
// MultiByteToWideChar, MessageBoxW, MessageBoxA, GetModuleFileNameA, ExitProcess.
#include <windows.h>
#include <shlobj.h>

#include "platform/win32/win32_platform.h"

namespace velkaris {

bool Win32Platform::SHGetSpecialFolderPathA(char* buffer, std::int32_t folder, bool create) {
    return ::SHGetSpecialFolderPathA(nullptr, buffer, folder, create ? TRUE : FALSE) != FALSE;
}

std::int32_t Win32Platform::MultiByteToWideChar(std::uint32_t codePage, const char* text,
                                                std::int32_t length, char16_t* wide,
                                                std::int32_t wideLength) {
    return ::MultiByteToWideChar(codePage, 0, text, length, reinterpret_cast<wchar_t*>(wide),
                                 wideLength);
}

std::int32_t Win32Platform::MessageBoxW(const std::u16string& text, const std::u16string& caption,
                                        std::uint32_t style) {
    return ::MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.c_str()),
                         reinterpret_cast<const wchar_t*>(caption.c_str()), style);
}

std::int32_t Win32Platform::MessageBoxA(const std::string& text, const std::string& caption,
                                        std::uint32_t style) {
    return ::MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

std::uint32_t Win32Platform::GetModuleFileNameA(char* buffer, std::uint32_t size) {
    return ::GetModuleFileNameA(nullptr, buffer, size);
}

void Win32Platform::ExitProcess(std::uint32_t exitCode) { ::ExitProcess(exitCode); }

}  // namespace velkaris

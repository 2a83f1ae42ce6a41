// DLL search calls: SetDefaultDllDirectories, SetDllDirectoryW, LoadLibraryExW. Both are found in
// kernel32 at run time, so the program still starts on Windows versions without them.
#include <windows.h>

#include "platform/win32/win32_platform.h"

namespace velkaris {

namespace {

using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
using SetDllDirectoryWCall = BOOL(WINAPI*)(LPCWSTR);

// The kernel32 function of that name, or null where this Windows lacks it.
// kernel32 is always loaded, so this looks nowhere for a file.
template <typename Call>
Call Kernel32Function(const char* name) {
    const HMODULE kernel32 = ::GetModuleHandleW(L"kernel32.dll");
    if (kernel32 == nullptr) return nullptr;
    // Through void (*)(void), which converts to any function pointer without a warning.
    return reinterpret_cast<Call>(reinterpret_cast<void (*)(void)>(::GetProcAddress(kernel32, name)));
}

}  // namespace

bool Win32Platform::SetDefaultDllDirectories(std::uint32_t directoryFlags) {
    const auto call = Kernel32Function<SetDefaultDllDirectoriesCall>("SetDefaultDllDirectories");
    return call != nullptr && call(directoryFlags) != FALSE;
}

bool Win32Platform::SetDllDirectoryW(const std::u16string& path) {
    const auto call = Kernel32Function<SetDllDirectoryWCall>("SetDllDirectoryW");
    return call != nullptr && call(reinterpret_cast<const wchar_t*>(path.c_str())) != FALSE;
}

bool Win32Platform::LoadLibraryExW(const std::u16string& name, std::uint32_t flags) {
    return ::LoadLibraryExW(reinterpret_cast<const wchar_t*>(name.c_str()), nullptr, flags) !=
           nullptr;
}

}  // namespace velkaris

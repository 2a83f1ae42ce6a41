#pragma once
// user32 and shell32 are not imported: imported, Windows loads them, and the DLLs
// they import in turn, before the program can restrict the DLL search. Their
// functions are found when first called, in the copies in the system folder.
#include <windows.h>

#include <string>

namespace velkaris {

// The function of that name in the system folder's DLL; null when either is missing.
template <typename Call>
Call SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = ::LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr) {
        // Windows without that flag: the full path, its imports looked for beside it.
        wchar_t folder[MAX_PATH];
        const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        const std::wstring path = std::wstring(folder, length) + L"\\" + dll;
        module = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (module == nullptr) return nullptr;
    }
    // Through void (*)(void), which converts to any function pointer without a warning.
    return reinterpret_cast<Call>(reinterpret_cast<void (*)(void)>(::GetProcAddress(module, name)));
}

}  // namespace velkaris

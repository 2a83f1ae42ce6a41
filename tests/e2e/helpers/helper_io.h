#pragma once
// Shared by the test helpers: arguments in UTF-16, output as UTF-8 lines whose
// control characters are escaped, so that a shell script can compare them
// byte for byte whatever the ANSI code page of the Wine process is.

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace helper {

// Owners of what the helpers obtain from Windows, released on every way out.
struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using OwnedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
// Holds a valid handle only: never INVALID_HANDLE_VALUE.
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

struct LocalFreer {
    void operator()(void* memory) const { LocalFree(memory); }
};
template <typename T>
using OwnedLocal = std::unique_ptr<T, LocalFreer>;

inline std::vector<std::wstring> Arguments() {
    int count = 0;
    const OwnedLocal<LPWSTR> raw(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::wstring> result;
    for (int i = 1; raw != nullptr && i < count; ++i) result.emplace_back(raw.get()[i]);
    return result;
}

inline std::string Utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &result[0], size,
                        nullptr, nullptr);
    return result;
}

// TAB, CR and LF become \t, \r and \n, other control characters \xHH, and a
// backslash \\ unless the text is a key path (where it only separates names).
// A lone CR thus stays distinguishable from CR LF in the output.
inline std::string Escaped(const std::wstring& text, bool keyPath = false) {
    std::string result;
    for (const char c : Utf8(text)) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '\\' && !keyPath) {
            result += "\\\\";
        } else if (c == '\t') {
            result += "\\t";
        } else if (c == '\r') {
            result += "\\r";
        } else if (c == '\n') {
            result += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            static const char digits[] = "0123456789abcdef";
            result += "\\x";
            result += digits[byte >> 4];
            result += digits[byte & 0xF];
        } else {
            result += c;
        }
    }
    return result;
}

// Raw bytes to the standard handle: no CRT text mode turning LF into CR LF.
inline void Write(DWORD which, const std::string& text) {
    const HANDLE handle = GetStdHandle(which);
    DWORD written = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && !text.empty())
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

inline void Out(const std::string& line) { Write(STD_OUTPUT_HANDLE, line + "\n"); }
inline void Err(const std::string& line) { Write(STD_ERROR_HANDLE, line + "\n"); }

inline std::string Hex(const unsigned char* data, size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string result;
    for (size_t i = 0; i < size; ++i) {
        result += digits[data[i] >> 4];
        result += digits[data[i] & 0xF];
    }
    return result;
}

inline bool ParseNumber(const std::wstring& text, unsigned long& value) {
    if (text.empty()) return false;
    wchar_t* end = nullptr;
    value = wcstoul(text.c_str(), &end, 0);
    return end != nullptr && *end == L'\0';
}

}  // namespace helper

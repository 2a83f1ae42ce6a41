#pragma once
// The one seam between the installer and Windows. Every Windows call the program
// makes is a method here, named and shaped like the call it stands for, so that
// the real layer is one call per method and the tests can run the whole program
// against an in-memory stand-in.

#include <cstdint>
#include <string>

namespace velkaris {

using KeyHandle = std::uintptr_t;   // HKEY; 0 = none
using FileHandle = std::intptr_t;   // HANDLE; -1 = INVALID_HANDLE_VALUE
using FindHandle = std::intptr_t;   // HANDLE of a file search; -1 = none

struct FindData {
    std::uint32_t attributes = 0;   // FILE_ATTRIBUTE_*
};

struct FileInformation {  // of an open file
    std::uint64_t size = 0;
    std::uint64_t lastWriteTime = 0;  // FILETIME: 100 ns units since 1601
};

struct LocalTime {  // SYSTEMTIME's calendar fields
    std::uint16_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Registry (advapi32). Results are Windows error codes, 0 for success.
    virtual std::int32_t RegOpenKeyExA(KeyHandle base, const std::string& subKey,
                                       std::uint32_t options, std::uint32_t access,
                                       KeyHandle& result) = 0;
    virtual std::int32_t RegCreateKeyExA(KeyHandle base, const std::string& subKey,
                                         std::uint32_t options, std::uint32_t access,
                                         KeyHandle& result) = 0;
    virtual std::int32_t RegSetValueExA(KeyHandle key, const std::string& valueName,
                                        std::uint32_t type, const std::uint8_t* data,
                                        std::uint32_t size) = 0;
    // data may be null to ask only for the type and size; size goes in as the buffer's
    // and comes back as the value's (ERROR_MORE_DATA when the buffer is too small).
    virtual std::int32_t RegQueryValueExA(KeyHandle key, const std::string& valueName,
                                          std::uint32_t& type, std::uint8_t* data,
                                          std::uint32_t& size) = 0;
    virtual std::int32_t RegDeleteValueA(KeyHandle key, const std::string& valueName) = 0;
    virtual std::int32_t RegCloseKey(KeyHandle key) = 0;

    // Shell and user interface (shell32, user32). Paths and texts cross in UTF-16:
    // the ANSI calls would turn letters outside the system's code page into
    // look-alikes, naming another user's file.
    virtual bool SHGetSpecialFolderPathW(char16_t* buffer, std::int32_t folder, bool create) = 0;
    virtual std::int32_t MessageBoxW(const std::u16string& text, const std::u16string& caption,
                                     std::uint32_t style) = 0;

    // Process and account (kernel32, advapi32). Sizes are in UTF-16 units; the
    // name ends at its NUL (the count given back holds it for one call, not the other).
    virtual std::uint32_t GetModuleFileNameW(char16_t* buffer, std::uint32_t size) = 0;
    virtual std::uint32_t GetCurrentProcessId() = 0;
    virtual bool GetUserNameW(char16_t* buffer, std::uint32_t& size) = 0;
    virtual bool GetComputerNameW(char16_t* buffer, std::uint32_t& size) = 0;
    // CheckTokenMembership of the process's token in the LocalSystem account's SID.
    virtual bool RunsAsLocalSystem() = 0;
    virtual std::u16string GetCommandLineW() = 0;
    virtual void GetLocalTime(LocalTime& time) = 0;
    virtual void ExitProcess(std::uint32_t exitCode) = 0;

    // DLL search (kernel32). Looked up when called, since older Windows lacks them:
    // false where the call does not exist, as where it fails.
    virtual bool SetDefaultDllDirectories(std::uint32_t directoryFlags) = 0;
    virtual bool SetDllDirectoryW(const std::u16string& path) = 0;
    // Loads a DLL for the rest of the process; false when it cannot.
    virtual bool LoadLibraryExW(const std::u16string& name, std::uint32_t flags) = 0;

    // Files (kernel32).
    virtual FileHandle CreateFileW(const std::u16string& path, std::uint32_t access,
                                   std::uint32_t shareMode, std::uint32_t disposition,
                                   std::uint32_t attributes) = 0;
    virtual bool ReadFile(FileHandle file, char* buffer, std::uint32_t count,
                          std::uint32_t& read) = 0;
    virtual bool WriteFile(FileHandle file, const char* buffer, std::uint32_t count,
                           std::uint32_t& written) = 0;
    virtual std::uint32_t SetFilePointer(FileHandle file, std::int32_t distance,
                                         std::uint32_t moveMethod) = 0;
    virtual bool FlushFileBuffers(FileHandle file) = 0;
    virtual bool GetFileInformationByHandle(FileHandle file, FileInformation& information) = 0;
    virtual bool CloseHandle(FileHandle handle) = 0;
    virtual FindHandle FindFirstFileW(const std::u16string& path, FindData& found) = 0;
    virtual bool FindClose(FindHandle search) = 0;
    virtual std::uint32_t GetFullPathNameW(const std::u16string& path, std::uint32_t size,
                                           char16_t* buffer) = 0;
    virtual bool CreateDirectoryW(const std::u16string& path) = 0;
    virtual bool MoveFileExW(const std::u16string& from, const std::u16string& to,
                             std::uint32_t flags) = 0;
    virtual bool DeleteFileW(const std::u16string& path) = 0;
    virtual std::uint32_t GetLastError() = 0;
    virtual std::uint32_t FormatMessageW(std::uint32_t flags, std::uint32_t messageId,
                                         std::uint32_t languageId, char16_t* buffer,
                                         std::uint32_t size) = 0;
    // Waits out another process's brief hold on a file.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace velkaris

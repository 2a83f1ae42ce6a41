#pragma once
// The real Windows behind the platform seam.

#include "platform/platform.h"

namespace velkaris {

class Win32Platform : public Platform {
public:
    std::int32_t RegOpenKeyExA(KeyHandle base, const std::string& subKey, std::uint32_t options,
                               std::uint32_t access, KeyHandle& result) override;
    std::int32_t RegCreateKeyExA(KeyHandle base, const std::string& subKey, std::uint32_t options,
                                 std::uint32_t access, KeyHandle& result) override;
    std::int32_t RegSetValueExA(KeyHandle key, const std::string& valueName, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t size) override;
    std::int32_t RegQueryValueExA(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                                  std::uint8_t* data, std::uint32_t& size) override;
    std::int32_t RegDeleteValueA(KeyHandle key, const std::string& valueName) override;
    std::int32_t RegCloseKey(KeyHandle key) override;

    bool SHGetSpecialFolderPathW(char16_t* buffer, std::int32_t folder, bool create) override;
    std::int32_t MessageBoxW(const std::u16string& text, const std::u16string& caption,
                             std::uint32_t style) override;

    std::uint32_t GetModuleFileNameW(char16_t* buffer, std::uint32_t size) override;
    std::uint32_t GetCurrentProcessId() override;
    bool GetUserNameW(char16_t* buffer, std::uint32_t& size) override;
    bool GetComputerNameW(char16_t* buffer, std::uint32_t& size) override;
    bool RunsAsLocalSystem() override;
    std::u16string GetCommandLineW() override;
    void GetLocalTime(LocalTime& time) override;
    void ExitProcess(std::uint32_t exitCode) override;

    bool SetDefaultDllDirectories(std::uint32_t directoryFlags) override;
    bool SetDllDirectoryW(const std::u16string& path) override;
    bool LoadLibraryExW(const std::u16string& name, std::uint32_t flags) override;

    FileHandle CreateFileW(const std::u16string& path, std::uint32_t access,
                           std::uint32_t shareMode, std::uint32_t disposition,
                           std::uint32_t attributes) override;
    bool ReadFile(FileHandle file, char* buffer, std::uint32_t count, std::uint32_t& read) override;
    bool WriteFile(FileHandle file, const char* buffer, std::uint32_t count,
                   std::uint32_t& written) override;
    std::uint32_t SetFilePointer(FileHandle file, std::int32_t distance,
                                 std::uint32_t moveMethod) override;
    bool FlushFileBuffers(FileHandle file) override;
    bool GetFileInformationByHandle(FileHandle file, FileInformation& information) override;
    bool CloseHandle(FileHandle handle) override;
    FindHandle FindFirstFileW(const std::u16string& path, FindData& found) override;
    bool FindClose(FindHandle search) override;
    std::uint32_t GetFullPathNameW(const std::u16string& path, std::uint32_t size,
                                   char16_t* buffer) override;
    bool CreateDirectoryW(const std::u16string& path) override;
    bool MoveFileExW(const std::u16string& from, const std::u16string& to,
                     std::uint32_t flags) override;
    bool DeleteFileW(const std::u16string& path) override;
    std::uint32_t GetLastError() override;
    std::uint32_t FormatMessageW(std::uint32_t flags, std::uint32_t messageId,
                                 std::uint32_t languageId, char16_t* buffer,
                                 std::uint32_t size) override;
    void Sleep(std::uint32_t milliseconds) override;
};

}  // namespace velkaris

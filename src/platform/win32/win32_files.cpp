// File calls: CreateFileW, ReadFile, WriteFile, SetFilePointer, FlushFileBuffers,
// GetFileInformationByHandle, CloseHandle, FindFirstFileW, FindClose, GetFullPathNameW,
// CreateDirectoryW, MoveFileExW, DeleteFileW, GetLastError, FormatMessageW, Sleep.
#include <windows.h>

#include "platform/win32/win32_platform.h"

namespace velkaris {

namespace {

HANDLE Handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");
const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace

FileHandle Win32Platform::CreateFileW(const std::u16string& path, std::uint32_t access,
                                      std::uint32_t shareMode, std::uint32_t disposition,
                                      std::uint32_t attributes) {
    return reinterpret_cast<FileHandle>(::CreateFileW(Wide(path), access, shareMode, nullptr,
                                                      disposition, attributes, nullptr));
}

bool Win32Platform::ReadFile(FileHandle file, char* buffer, std::uint32_t count,
                             std::uint32_t& read) {
    DWORD done = 0;
    const BOOL ok = ::ReadFile(Handle(file), buffer, count, &done, nullptr);
    read = done;
    return ok != FALSE;
}

bool Win32Platform::WriteFile(FileHandle file, const char* buffer, std::uint32_t count,
                              std::uint32_t& written) {
    DWORD done = 0;
    const BOOL ok = ::WriteFile(Handle(file), buffer, count, &done, nullptr);
    written = done;
    return ok != FALSE;
}

std::uint32_t Win32Platform::SetFilePointer(FileHandle file, std::int32_t distance,
                                            std::uint32_t moveMethod) {
    return ::SetFilePointer(Handle(file), distance, nullptr, moveMethod);
}

bool Win32Platform::FlushFileBuffers(FileHandle file) {
    return ::FlushFileBuffers(Handle(file)) != FALSE;
}

bool Win32Platform::GetFileInformationByHandle(FileHandle file, FileInformation& information) {
    BY_HANDLE_FILE_INFORMATION data;
    if (!::GetFileInformationByHandle(Handle(file), &data)) return false;
    information.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    information.lastWriteTime = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                data.ftLastWriteTime.dwLowDateTime;
    return true;
}

bool Win32Platform::CloseHandle(FileHandle handle) { return ::CloseHandle(Handle(handle)) != FALSE; }

FindHandle Win32Platform::FindFirstFileW(const std::u16string& path, FindData& found) {
    WIN32_FIND_DATAW data;
    const HANDLE search = ::FindFirstFileW(Wide(path), &data);
    found.attributes = data.dwFileAttributes;
    return reinterpret_cast<FindHandle>(search);
}

bool Win32Platform::FindClose(FindHandle search) { return ::FindClose(Handle(search)) != FALSE; }

std::uint32_t Win32Platform::GetFullPathNameW(const std::u16string& path, std::uint32_t size,
                                              char16_t* buffer) {
    return ::GetFullPathNameW(Wide(path), size, reinterpret_cast<wchar_t*>(buffer), nullptr);
}

bool Win32Platform::CreateDirectoryW(const std::u16string& path) {
    return ::CreateDirectoryW(Wide(path), nullptr) != FALSE;
}

bool Win32Platform::MoveFileExW(const std::u16string& from, const std::u16string& to,
                                std::uint32_t flags) {
    return ::MoveFileExW(Wide(from), Wide(to), flags) != FALSE;
}

bool Win32Platform::DeleteFileW(const std::u16string& path) {
    return ::DeleteFileW(Wide(path)) != FALSE;
}

std::uint32_t Win32Platform::GetLastError() { return ::GetLastError(); }

std::uint32_t Win32Platform::FormatMessageW(std::uint32_t flags, std::uint32_t messageId,
                                            std::uint32_t languageId, char16_t* buffer,
                                            std::uint32_t size) {
    return ::FormatMessageW(flags, nullptr, messageId, languageId,
                            reinterpret_cast<wchar_t*>(buffer), size, nullptr);
}

void Win32Platform::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace velkaris

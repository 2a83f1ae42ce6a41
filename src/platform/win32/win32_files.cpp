// File calls: CreateFileA, CreateFileW, ReadFile, WriteFile, SetFilePointer, FlushFileBuffers,
// CloseHandle, FindFirstFileA, FindClose, GetFullPathNameA, CreateDirectoryA,
// MoveFileExA, DeleteFileA, GetLastError, FormatMessageA, Sleep.
#include <windows.h>

#include "platform/win32/win32_platform.h"

namespace velkaris {

namespace {

HANDLE Handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

FileHandle Win32Platform::CreateFileA(const std::string& path, std::uint32_t access,
                                      std::uint32_t shareMode, std::uint32_t disposition,
                                      std::uint32_t attributes) {
    return reinterpret_cast<FileHandle>(::CreateFileA(path.c_str(), access, shareMode, nullptr,
                                                      disposition, attributes, nullptr));
}

FileHandle Win32Platform::CreateFileW(const std::u16string& path, std::uint32_t access,
                                      std::uint32_t shareMode, std::uint32_t disposition,
                                      std::uint32_t attributes) {
    return reinterpret_cast<FileHandle>(::CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()),
                                                      access, shareMode, nullptr, disposition,
                                                      attributes, nullptr));
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

bool Win32Platform::CloseHandle(FileHandle handle) { return ::CloseHandle(Handle(handle)) != FALSE; }

FindHandle Win32Platform::FindFirstFileA(const std::string& path, FindData& found) {
    WIN32_FIND_DATAA data;
    const HANDLE search = ::FindFirstFileA(path.c_str(), &data);
    found.attributes = data.dwFileAttributes;
    return reinterpret_cast<FindHandle>(search);
}

bool Win32Platform::FindClose(FindHandle search) { return ::FindClose(Handle(search)) != FALSE; }

std::uint32_t Win32Platform::GetFullPathNameA(const std::string& path, std::uint32_t size,
                                              char* buffer) {
    return ::GetFullPathNameA(path.c_str(), size, buffer, nullptr);
}

bool Win32Platform::CreateDirectoryA(const std::string& path) {
    return ::CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool Win32Platform::MoveFileExA(const std::string& from, const std::string& to,
                                std::uint32_t flags) {
    return ::MoveFileExA(from.c_str(), to.c_str(), flags) != FALSE;
}

bool Win32Platform::DeleteFileA(const std::string& path) {
    return ::DeleteFileA(path.c_str()) != FALSE;
}

std::uint32_t Win32Platform::GetLastError() { return ::GetLastError(); }

std::uint32_t Win32Platform::FormatMessageA(std::uint32_t flags, std::uint32_t messageId,
                                            std::uint32_t languageId, char* buffer,
                                            std::uint32_t size) {
    return ::FormatMessageA(flags, nullptr, messageId, languageId, buffer, size, nullptr);
}

void Win32Platform::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace velkaris

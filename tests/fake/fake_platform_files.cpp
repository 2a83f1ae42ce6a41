// File calls of the fake platform: FormatMessageA too, since its texts are the
// file errors'. Each call records itself, takes a planned fault if one is due,
// and otherwise does what the in-memory file system says, keeping its error for
// GetLastError.
#include <string>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"

namespace velkaris::fake {

namespace {

constexpr std::uint32_t ERROR_INVALID_HANDLE = 6;

// A call's error replaces the last one; 0 means the call left it alone.
void Keep(std::uint32_t& lastError, std::uint32_t error) {
    if (error != 0) lastError = error;
}

// False, with the misuse noted, for a handle the program does not hold.
bool Known(bool known, const char* call, std::intptr_t handle, std::vector<std::string>& misuse,
           std::uint32_t& lastError) {
    if (known) return true;
    misuse.push_back(std::string(call) + " on handle " + std::to_string(handle) +
                     ", which is not open");
    lastError = ERROR_INVALID_HANDLE;
    return false;
}

}  // namespace

FileHandle FakePlatform::CreateFileA(const std::string& path, std::uint32_t access,
                                     std::uint32_t shareMode, std::uint32_t disposition,
                                     std::uint32_t /*attributes*/) {
    const PlatformCallScope scope;
    if (Enter("CreateFileA")) return windows::INVALID_HANDLE_VALUE;
    std::uint32_t error = 0;
    const FileHandle file = files.CreateFile(path, access, shareMode, disposition, error);
    Keep(lastError_, error);
    return file;
}

bool FakePlatform::ReadFile(FileHandle file, char* buffer, std::uint32_t count,
                            std::uint32_t& read) {
    const PlatformCallScope scope;
    read = 0;
    if (const Fault* fault = Enter("ReadFile")) {
        // A short read is a success that read only half.
        if (!fault->partial || !files.IsHandle(file)) return false;
        std::uint32_t error = 0;
        files.ReadFile(file, buffer, count / 2, read, error);
        return true;
    }
    if (!Known(files.IsHandle(file), "ReadFile", file, misuse, lastError_)) return false;
    std::uint32_t error = 0;
    const bool done = files.ReadFile(file, buffer, count, read, error);
    Keep(lastError_, error);
    return done;
}

bool FakePlatform::WriteFile(FileHandle file, const char* buffer, std::uint32_t count,
                             std::uint32_t& written) {
    const PlatformCallScope scope;
    written = 0;
    if (const Fault* fault = Enter("WriteFile")) {
        // A short write is a success that wrote only half.
        if (!fault->partial || !files.IsHandle(file)) return false;
        std::uint32_t error = 0;
        files.WriteFile(file, buffer, count / 2, written, error);
        return true;
    }
    if (!Known(files.IsHandle(file), "WriteFile", file, misuse, lastError_)) return false;
    std::uint32_t error = 0;
    const bool done = files.WriteFile(file, buffer, count, written, error);
    Keep(lastError_, error);
    return done;
}

std::uint32_t FakePlatform::SetFilePointer(FileHandle file, std::int32_t distance,
                                           std::uint32_t moveMethod) {
    const PlatformCallScope scope;
    if (Enter("SetFilePointer")) return windows::INVALID_SET_FILE_POINTER;
    if (!Known(files.IsHandle(file), "SetFilePointer", file, misuse, lastError_)) {
        return windows::INVALID_SET_FILE_POINTER;
    }
    std::uint32_t error = 0;
    const std::uint32_t position = files.SetFilePointer(file, distance, moveMethod, error);
    Keep(lastError_, error);
    return position;
}

bool FakePlatform::FlushFileBuffers(FileHandle file) {
    const PlatformCallScope scope;
    if (Enter("FlushFileBuffers")) return false;
    if (!Known(files.IsHandle(file), "FlushFileBuffers", file, misuse, lastError_)) return false;
    std::uint32_t error = 0;
    const bool done = files.FlushFileBuffers(file, error);
    Keep(lastError_, error);
    return done;
}

bool FakePlatform::CloseHandle(FileHandle handle) {
    const PlatformCallScope scope;
    const Fault* fault = Enter("CloseHandle");
    if (!Known(files.IsHandle(handle), "CloseHandle", handle, misuse, lastError_)) return false;
    // A close that reports failure still gives the handle up, as Windows does.
    files.CloseHandle(handle);
    return fault == nullptr;
}

FindHandle FakePlatform::FindFirstFileA(const std::string& path, FindData& found) {
    const PlatformCallScope scope;
    if (Enter("FindFirstFileA")) return windows::INVALID_HANDLE_VALUE;
    std::uint32_t error = 0;
    const FindHandle search = files.FindFirstFile(path, found, error);
    Keep(lastError_, error);
    return search;
}

bool FakePlatform::FindClose(FindHandle search) {
    const PlatformCallScope scope;
    const Fault* fault = Enter("FindClose");
    if (!Known(files.IsSearch(search), "FindClose", search, misuse, lastError_)) return false;
    files.FindClose(search);
    return fault == nullptr;
}

std::uint32_t FakePlatform::GetFullPathNameA(const std::string& path, std::uint32_t size,
                                             char* buffer) {
    const PlatformCallScope scope;
    if (Enter("GetFullPathNameA")) return 0;
    std::uint32_t error = 0;
    const std::uint32_t length = files.GetFullPathName(path, size, buffer, error);
    Keep(lastError_, error);
    return length;
}

bool FakePlatform::CreateDirectoryA(const std::string& path) {
    const PlatformCallScope scope;
    if (Enter("CreateDirectoryA")) return false;
    std::uint32_t error = 0;
    const bool done = files.CreateDirectory(path, error);
    Keep(lastError_, error);
    return done;
}

bool FakePlatform::MoveFileExA(const std::string& from, const std::string& to,
                               std::uint32_t flags) {
    const PlatformCallScope scope;
    if (Enter("MoveFileExA")) return false;
    std::uint32_t error = 0;
    const bool done = files.MoveFile(from, to, flags, error);
    Keep(lastError_, error);
    return done;
}

bool FakePlatform::DeleteFileA(const std::string& path) {
    const PlatformCallScope scope;
    if (Enter("DeleteFileA")) return false;
    std::uint32_t error = 0;
    const bool done = files.DeleteFile(path, error);
    Keep(lastError_, error);
    return done;
}

std::uint32_t FakePlatform::FormatMessageA(std::uint32_t flags, std::uint32_t messageId,
                                           std::uint32_t /*languageId*/, char* buffer,
                                           std::uint32_t size) {
    const PlatformCallScope scope;
    if (Enter("FormatMessageA")) return 0;
    std::uint32_t error = 0;
    const std::uint32_t length = files.FormatMessage(flags, messageId, buffer, size, error);
    Keep(lastError_, error);
    return length;
}

}  // namespace velkaris::fake

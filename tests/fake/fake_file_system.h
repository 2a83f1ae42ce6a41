#pragma once
// In-memory files and folders for the fake platform: Windows-like paths (drive
// letter, backslashes, letter case ignored), open handles with share modes, a
// clock, an optional disk size, and the system's error texts. The fake platform's
// file calls are thin wrappers that record the call, apply planned faults and set
// the last error from what these operations report.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace velkaris::fake {

using FileTime = std::uint64_t;  // FILETIME as one 64-bit count

// A FILETIME for a UTC date and time; tests use it for last-write times.
FileTime MakeFileTime(int year, int month, int day, int hour = 0, int minute = 0,
                      int second = 0);

class FakeFileSystem {
public:
    FakeFileSystem();

    // --- scripting and inspection -------------------------------------------
    // Relative paths are taken from here; GetFullPathNameA joins them to it.
    std::string currentDirectory = "C:\\Users\\anna";
    FileTime now = MakeFileTime(2024, 5, 6, 10, 30, 0);  // stamped on every write
    std::optional<std::uint64_t> diskCapacity;             // bytes all files may hold
    // What FormatMessageA gives for a code, without the CR LF it appends.
    std::map<std::uint32_t, std::string> messageTexts;

    void AddFolder(const std::string& path);  // with all missing parents
    // Creates or replaces a file, making missing folders.
    void WriteFileBytes(const std::string& path, const std::string& bytes);
    void WriteFileBytes(const std::string& path, const std::string& bytes, FileTime lastWrite);
    std::string ReadFileBytes(const std::string& path) const;  // throws when no such file
    bool Exists(const std::string& path) const;
    bool IsFolder(const std::string& path) const;
    FileTime LastWriteTime(const std::string& path) const;
    std::vector<std::string> ListFolder(const std::string& path) const;  // names, sorted
    void SetReadOnly(const std::string& path, bool readOnly = true);
    // The size the file's end reports, standing for a file too large to keep here.
    void SetApparentSize(const std::string& path, std::uint64_t size);
    // Another process opens the file with no sharing, until Release.
    void HoldOpen(const std::string& path);
    void Release(const std::string& path);
    // Open file handles and open searches together: any left over is a leak.
    std::size_t OpenFileCount() const { return handles_.size() + searches_.size(); }
    bool IsHandle(FileHandle handle) const { return handles_.count(handle) != 0; }
    bool IsSearch(FindHandle search) const { return searches_.count(search) != 0; }

    // --- the calls, with Windows semantics ----------------------------------
    // Each returns its Windows result; on failure error receives the code for
    // GetLastError. Unknown handles are the caller's to check first.
    FileHandle CreateFile(const std::string& path, std::uint32_t access, std::uint32_t shareMode,
                          std::uint32_t disposition, std::uint32_t& error);
    bool ReadFile(FileHandle file, char* buffer, std::uint32_t count, std::uint32_t& read,
                  std::uint32_t& error);
    bool WriteFile(FileHandle file, const char* buffer, std::uint32_t count,
                   std::uint32_t& written, std::uint32_t& error);
    std::uint32_t SetFilePointer(FileHandle file, std::int32_t distance, std::uint32_t moveMethod,
                                 std::uint32_t& error);
    bool FlushFileBuffers(FileHandle file, std::uint32_t& error);
    void CloseHandle(FileHandle file);
    FindHandle FindFirstFile(const std::string& path, FindData& found, std::uint32_t& error);
    void FindClose(FindHandle search);
    std::uint32_t GetFullPathName(const std::string& path, std::uint32_t size, char* buffer,
                                  std::uint32_t& error) const;
    bool CreateDirectory(const std::string& path, std::uint32_t& error);
    bool MoveFile(const std::string& from, const std::string& to, std::uint32_t flags,
                  std::uint32_t& error);
    bool DeleteFile(const std::string& path, std::uint32_t& error);
    std::uint32_t FormatMessage(std::uint32_t flags, std::uint32_t messageId, char* buffer,
                                std::uint32_t size, std::uint32_t& error) const;

private:
    struct Entry {
        std::string name;  // absolute, in the letter case it was created with
        bool folder = false;
        std::string bytes;
        FileTime lastWrite = 0;
        bool readOnly = false;
        int heldOpen = 0;  // openers outside the program under test
        std::optional<std::uint64_t> apparentSize;
    };
    struct OpenFile {
        std::string key;
        std::uint32_t access = 0;
        std::uint32_t shareMode = 0;
        std::uint64_t position = 0;
    };
    struct Path {
        bool valid = false;
        std::string full;    // "C:\a\b"
        std::string key;     // lower case, the map key
        std::string parent;  // key of the folder above; empty for a drive root
    };

    Path Resolve(const std::string& path) const;
    Path ResolveOrThrow(const std::string& path) const;
    // 0 when the path may be used: valid, short enough, its folder present.
    std::uint32_t CheckPlace(const Path& path) const;
    std::uint32_t CheckSharing(const std::string& key, std::uint32_t access,
                               std::uint32_t shareMode) const;
    bool InUse(const std::string& key) const;
    std::uint64_t UsedBytes() const;
    void MakeFolders(const Path& path);

    std::map<std::string, Entry> entries_;
    std::map<FileHandle, OpenFile> handles_;
    std::map<FindHandle, std::string> searches_;
    std::intptr_t nextHandle_ = 0x100;
};

}  // namespace velkaris::fake

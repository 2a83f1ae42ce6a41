#pragma once
// In-memory files and folders for the fake platform. Paths are the program's:
// "C:\..." with backslashes, letter case ignored; a relative one is taken from
// currentDirectory. The file calls, with their Windows errors, are the fake
// platform's; this holds what they work on and what tests script and inspect.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velkaris::fake {

class FakeFileSystem {
public:
    FakeFileSystem();

    std::string currentDirectory = "C:\\Users\\anna";
    std::optional<std::uint64_t> diskCapacity;  // bytes all files together may hold
    // What FormatMessageA gives for a code, without the CR LF it appends.
    std::map<std::uint32_t, std::string> messageTexts;

    void AddFolder(const std::string& path);  // with all missing parents
    // Creates or replaces a file, making missing folders.
    void WriteFileBytes(const std::string& path, const std::string& bytes);
    std::string ReadFileBytes(const std::string& path) const;  // throws when no such file
    bool Exists(const std::string& path) const { return Find(path) != nullptr; }
    bool IsFolder(const std::string& path) const;
    std::vector<std::string> ListFolder(const std::string& path) const;  // names, sorted
    void SetReadOnly(const std::string& path) { FileAt(path).readOnly = true; }
    // The size the file's end reports, standing for a file too large to keep here.
    void SetApparentSize(const std::string& path, std::uint64_t size) {
        FileAt(path).apparentSize = size;
    }
    // Another process opens the file with no sharing, until Release.
    void HoldOpen(const std::string& path) { ++FileAt(path).heldOpen; }
    void Release(const std::string& path);
    // Open file handles and searches together: any left over is a leak.
    std::size_t OpenFileCount() const { return opened_.size(); }
    // What the system does for a process that ends, however it ends: closes its handles.
    void CloseAllOf(const void* owner);

private:
    friend class FakePlatform;

    struct Entry {
        std::string name;  // full path, in the letter case it was made with
        bool folder = false;
        bool readOnly = false;
        int heldOpen = 0;  // openers outside the program under test
        std::string bytes;
        std::optional<std::uint64_t> apparentSize;
        std::uint64_t lastWrite = 0;  // a tick of the disk's clock
    };
    struct Open {
        std::string key;
        std::uint32_t access = 0;
        std::uint32_t shareMode = 0;
        std::uint64_t position = 0;
        bool search = false;  // a FindFirstFileA handle
        bool deleteOnClose = false;
        const void* owner = nullptr;  // the platform, standing for the process, that opened it
    };

    std::string Full(const std::string& path) const;
    std::string Key(const std::string& path) const;  // Full in lower case
    const Entry* Find(const std::string& path) const;
    Entry& FileAt(const std::string& path);  // throws when no such file
    bool HasFolder(const std::string& path) const;  // the folder to hold path is there
    std::uint32_t Missing(const std::string& path) const;  // the error for a path not there
    bool InUse(const std::string& path) const;
    void Close(std::intptr_t handle);
    Entry& Touch(Entry& entry) {  // its bytes are about to change
        entry.lastWrite = ++clock_;
        return entry;
    }
    bool SharingRefuses(const std::string& path, std::uint32_t access,
                        std::uint32_t shareMode) const;
    std::uint64_t FreeBytes() const;

    std::map<std::string, Entry> entries_;  // by Key
    std::map<std::intptr_t, Open> opened_;  // by handle
    std::intptr_t nextHandle_ = 0x100;  // one numbering for every process on the disk
    std::uint64_t clock_ = 1;
};

}  // namespace velkaris::fake

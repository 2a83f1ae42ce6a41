#include "fake/fake_file_system.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "fake/windows_numbers.h"

namespace velkaris::fake {

namespace {

// A test asked for something the files do not hold: its own mistake.
[[noreturn]] void Refuse(const std::string& what, const std::string& path) {
    throw std::invalid_argument("fake file system: " + what + " " + path);
}

}  // namespace

FakeFileSystem::FakeFileSystem() {
    messageTexts = {
        {2, "The system cannot find the file specified."},
        {3, "The system cannot find the path specified."},
        {5, "Access is denied."},
        {6, "The handle is invalid."},
        {32, "The process cannot access the file because it is being used by another process."},
        {39, "The disk is full."},
        {80, "The file exists."},
        {87, "The parameter is incorrect."},
        {112, "There is not enough space on the disk."},
        {183, "Cannot create a file when that file already exists."},
        {206, "The filename or extension is too long."},
    };
    // The profile of a fresh Windows user: the fake platform's application-data
    // folder and the program's own place.
    AddFolder("C:\\Users\\anna\\AppData\\Roaming");
    AddFolder("C:\\Users\\anna\\Downloads");
}

std::string FakeFileSystem::Full(const std::string& path) const {
    std::string full = path.size() > 1 && path[1] == ':' ? path : currentDirectory + "\\" + path;
    if (full.back() == '\\') full.pop_back();
    return full;
}

std::string FakeFileSystem::Key(const std::string& path) const {
    std::string key = Full(path);
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

const FakeFileSystem::Entry* FakeFileSystem::Find(const std::string& path) const {
    const auto found = entries_.find(Key(path));
    return found == entries_.end() ? nullptr : &found->second;
}

FakeFileSystem::Entry& FakeFileSystem::FileAt(const std::string& path) {
    const auto found = entries_.find(Key(path));
    if (found == entries_.end() || found->second.folder) Refuse("no file at", path);
    return found->second;
}

bool FakeFileSystem::HasFolder(const std::string& path) const {
    const std::string key = Key(path);
    const Entry* folder = Find(key.substr(0, key.rfind('\\')));
    return folder != nullptr && folder->folder;
}

std::uint32_t FakeFileSystem::Missing(const std::string& path) const {
    return HasFolder(path) ? windows::ERROR_FILE_NOT_FOUND : windows::ERROR_PATH_NOT_FOUND;
}

bool FakeFileSystem::InUse(const std::string& path) const {
    return SharingRefuses(path, windows::GENERIC_READ | windows::GENERIC_WRITE, 0);
}

bool FakeFileSystem::SharingRefuses(const std::string& path, std::uint32_t access,
                                    std::uint32_t shareMode) const {
    const std::string key = Key(path);
    const Entry* entry = Find(key);
    if (entry != nullptr && entry->heldOpen > 0) return true;
    // Each opener must share what the other does.
    const auto refuses = [](std::uint32_t wants, std::uint32_t shares) {
        return ((wants & windows::GENERIC_READ) && !(shares & windows::FILE_SHARE_READ)) ||
               ((wants & windows::GENERIC_WRITE) && !(shares & windows::FILE_SHARE_WRITE));
    };
    return std::any_of(opened_.begin(), opened_.end(), [&](const auto& item) {
        const Open& open = item.second;
        return !open.search && open.key == key &&
               (refuses(access, open.shareMode) || refuses(open.access, shareMode));
    });
}

std::uint64_t FakeFileSystem::FreeBytes() const {
    std::uint64_t used = 0;
    for (const auto& entry : entries_) used += entry.second.bytes.size();
    return *diskCapacity > used ? *diskCapacity - used : 0;
}

void FakeFileSystem::AddFolder(const std::string& path) {
    const std::string full = Full(path);
    for (std::size_t end = full.find('\\');; end = full.find('\\', end + 1)) {
        const std::string part = full.substr(0, end);
        Entry& entry = entries_[Key(part)];
        if (entry.name.empty()) {
            entry.name = part;
            entry.folder = true;
        } else if (!entry.folder) {
            Refuse("a file stands at", part);
        }
        if (end == std::string::npos) break;
    }
}

void FakeFileSystem::WriteFileBytes(const std::string& path, const std::string& bytes) {
    const std::string full = Full(path);
    AddFolder(full.substr(0, full.rfind('\\')));
    Entry& entry = entries_[Key(full)];
    if (entry.folder) Refuse("a folder stands at", path);
    entry.name = full;
    Touch(entry).bytes = bytes;
}

std::string FakeFileSystem::ReadFileBytes(const std::string& path) const {
    const Entry* entry = Find(path);
    if (entry == nullptr || entry->folder) Refuse("no file at", path);
    return entry->bytes;
}

bool FakeFileSystem::IsFolder(const std::string& path) const {
    const Entry* entry = Find(path);
    return entry != nullptr && entry->folder;
}

std::vector<std::string> FakeFileSystem::ListFolder(const std::string& path) const {
    const std::string key = Key(path);
    std::vector<std::string> names;
    for (const auto& [entryKey, entry] : entries_) {
        if (entryKey.rfind('\\') == key.size() && entryKey.compare(0, key.size(), key) == 0) {
            names.push_back(entry.name.substr(key.size() + 1));
        }
    }
    return names;
}

void FakeFileSystem::Close(std::intptr_t handle) {
    const Open open = opened_.at(handle);
    opened_.erase(handle);
    const bool last = std::none_of(opened_.begin(), opened_.end(),
                                   [&](const auto& item) { return item.second.key == open.key; });
    if (open.deleteOnClose && last) entries_.erase(open.key);
}

void FakeFileSystem::CloseAllOf(const void* owner) {
    for (auto it = opened_.begin(); it != opened_.end();) {
        const std::intptr_t handle = (it++)->first;
        if (opened_.at(handle).owner == owner) Close(handle);
    }
}

void FakeFileSystem::Release(const std::string& path) {
    Entry& entry = FileAt(path);
    if (entry.heldOpen == 0) Refuse("not held open:", path);
    --entry.heldOpen;
}

}  // namespace velkaris::fake

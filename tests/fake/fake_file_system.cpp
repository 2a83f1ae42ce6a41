#include "fake/fake_file_system.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>

#include "fake/windows_numbers.h"

namespace velkaris::fake {

namespace {

constexpr std::uint32_t FILE_SHARE_READ = 0x1;
constexpr std::uint32_t FILE_SHARE_WRITE = 0x2;
constexpr std::uint32_t FILE_ATTRIBUTE_READ_ONLY = 0x1;
constexpr std::uint32_t FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr std::uint32_t FORMAT_MESSAGE_FROM_SYSTEM = 0x1000;
constexpr std::uint32_t MOVE_FILE_COPY_ALLOWED = 0x2;
constexpr std::uint32_t ERROR_NOT_SAME_DEVICE = 17;
constexpr std::uint32_t ERROR_INSUFFICIENT_BUFFER = 122;
constexpr std::uint32_t ERROR_INVALID_NAME = 123;
constexpr std::uint32_t ERROR_NEGATIVE_SEEK = 131;
constexpr std::uint32_t ERROR_MESSAGE_NOT_FOUND = 317;
constexpr std::uint32_t ERROR_NO_ACCESS = 998;

constexpr std::int64_t TICKS_PER_SECOND = 10'000'000;
constexpr std::int64_t DAYS_FROM1601_TO1970 = 134'774;

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

bool IsValidComponent(const std::string& component) {
    for (char c : component) {
        if (static_cast<unsigned char>(c) < 0x20 || std::strchr("<>:\"|?*", c) != nullptr) {
            return false;
        }
    }
    return true;
}

}  // namespace

FileTime MakeFileTime(int year, int month, int day, int hour, int minute, int second) {
    const std::int64_t days = DaysFromCivil(year, static_cast<unsigned>(month),
                                            static_cast<unsigned>(day)) +
                              DAYS_FROM1601_TO1970;
    const std::int64_t seconds = days * 86400 + hour * 3600 + minute * 60 + second;
    return static_cast<FileTime>(seconds * TICKS_PER_SECOND);
}

FakeFileSystem::FakeFileSystem() {
    messageTexts = {
        {2, "The system cannot find the file specified."},
        {3, "The system cannot find the path specified."},
        {5, "Access is denied."},
        {6, "The handle is invalid."},
        {32, "The process cannot access the file because it is being used by another process."},
        {39, "The disk is full."},
        {87, "The parameter is incorrect."},
        {112, "There is not enough space on the disk."},
        {183, "Cannot create a file when that file already exists."},
        {206, "The filename or extension is too long."},
    };
    // The profile a fresh Windows user has, matching the fake platform's defaults
    // for the application-data folder and the program's own place.
    AddFolder(currentDirectory);
    AddFolder("C:\\Users\\anna\\AppData\\Roaming");
    AddFolder("C:\\Users\\anna\\Downloads");
}

// --- paths -------------------------------------------------------------------

FakeFileSystem::Path FakeFileSystem::Resolve(const std::string& input) const {
    Path result;
    if (input.empty()) return result;
    std::string text = input;
    std::replace(text.begin(), text.end(), '/', '\\');
    if (text.rfind("\\\\", 0) == 0) return result;  // no network paths here

    std::string drive = currentDirectory.substr(0, 2);
    std::string rest;
    if (text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':') {
        drive = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])))) + ":";
        rest = text.substr(2);
        if (rest.empty() || rest[0] != '\\') rest = "\\" + rest;  // drive-relative: from its root
    } else if (text[0] == '\\') {
        rest = text;
    } else {
        rest = currentDirectory.substr(2) + "\\" + text;
    }

    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = rest.find('\\', start);
        if (end == std::string::npos) end = rest.size();
        std::string component = rest.substr(start, end - start);
        start = end + 1;
        if (component == "..") {
            if (!components.empty()) components.pop_back();
            continue;
        }
        // Windows drops trailing dots and spaces of a name.
        while (!component.empty() && (component.back() == '.' || component.back() == ' ')) {
            component.pop_back();
        }
        if (component.empty()) continue;
        if (!IsValidComponent(component)) return result;
        components.push_back(component);
    }

    result.valid = true;
    std::string joined;
    std::string parent = drive;
    for (std::size_t i = 0; i < components.size(); ++i) {
        if (i + 1 == components.size()) parent = drive + joined;
        joined += "\\" + components[i];
    }
    result.full = components.empty() ? drive + "\\" : drive + joined;
    result.key = Lower(drive + joined);
    result.parent = components.empty() ? std::string() : Lower(parent);
    return result;
}

FakeFileSystem::Path FakeFileSystem::ResolveOrThrow(const std::string& path) const {
    Path resolved = Resolve(path);
    if (!resolved.valid) throw std::invalid_argument("fake file system: bad path " + path);
    return resolved;
}

std::uint32_t FakeFileSystem::CheckPlace(const Path& path) const {
    if (!path.valid) return ERROR_INVALID_NAME;
    if (path.full.size() >= windows::MAX_PATH) return windows::ERROR_FILENAME_EXCED_RANGE;
    if (path.parent.empty()) {  // a drive root: present or not
        return entries_.count(path.key) != 0 ? 0 : windows::ERROR_PATH_NOT_FOUND;
    }
    const auto parent = entries_.find(path.parent);
    if (parent == entries_.end() || !parent->second.folder) return windows::ERROR_PATH_NOT_FOUND;
    return 0;
}

std::uint32_t FakeFileSystem::CheckSharing(const std::string& key, std::uint32_t access,
                                           std::uint32_t shareMode) const {
    const auto entry = entries_.find(key);
    if (entry != entries_.end() && entry->second.heldOpen > 0) return windows::ERROR_SHARING_VIOLATION;
    for (const auto& [handle, open] : handles_) {
        if (open.key != key) continue;
        const bool refused =
            ((access & windows::GENERIC_READ) && !(open.shareMode & FILE_SHARE_READ)) ||
            ((access & windows::GENERIC_WRITE) && !(open.shareMode & FILE_SHARE_WRITE)) ||
            ((open.access & windows::GENERIC_READ) && !(shareMode & FILE_SHARE_READ)) ||
            ((open.access & windows::GENERIC_WRITE) && !(shareMode & FILE_SHARE_WRITE));
        if (refused) return windows::ERROR_SHARING_VIOLATION;
    }
    return 0;
}

bool FakeFileSystem::InUse(const std::string& key) const {
    const auto entry = entries_.find(key);
    if (entry != entries_.end() && entry->second.heldOpen > 0) return true;
    return std::any_of(handles_.begin(), handles_.end(),
                       [&](const auto& open) { return open.second.key == key; });
}

std::uint64_t FakeFileSystem::UsedBytes() const {
    std::uint64_t used = 0;
    for (const auto& [key, entry] : entries_) used += entry.bytes.size();
    return used;
}

void FakeFileSystem::MakeFolders(const Path& path) {
    std::vector<std::string> prefixes{path.full.substr(0, 3)};  // the drive root first
    for (std::size_t at = path.full.find('\\', 3);; at = path.full.find('\\', at + 1)) {
        if (at == std::string::npos) {
            if (path.full.size() > 3) prefixes.push_back(path.full);
            break;
        }
        prefixes.push_back(path.full.substr(0, at));
    }
    for (const std::string& prefix : prefixes) {
        const Path folderPath = Resolve(prefix);
        const auto found = entries_.find(folderPath.key);
        if (found == entries_.end()) {
            Entry folder;
            folder.name = folderPath.full;
            folder.folder = true;
            folder.lastWrite = now;
            entries_.emplace(folderPath.key, folder);
        } else if (!found->second.folder) {
            throw std::invalid_argument("fake file system: a file stands at " + folderPath.full);
        }
    }
}

// --- scripting and inspection --------------------------------------------------

void FakeFileSystem::AddFolder(const std::string& path) { MakeFolders(ResolveOrThrow(path)); }

void FakeFileSystem::WriteFileBytes(const std::string& path, const std::string& bytes) {
    WriteFileBytes(path, bytes, now);
}

void FakeFileSystem::WriteFileBytes(const std::string& path, const std::string& bytes,
                                    FileTime lastWrite) {
    const Path resolved = ResolveOrThrow(path);
    if (resolved.parent.empty()) throw std::invalid_argument("fake file system: a root is no file");
    MakeFolders(ResolveOrThrow(resolved.full.substr(0, resolved.full.rfind('\\'))));
    Entry& entry = entries_[resolved.key];
    if (entry.folder) throw std::invalid_argument("fake file system: a folder stands at " + path);
    entry.name = resolved.full;
    entry.bytes = bytes;
    entry.lastWrite = lastWrite;
}

std::string FakeFileSystem::ReadFileBytes(const std::string& path) const {
    const auto entry = entries_.find(ResolveOrThrow(path).key);
    if (entry == entries_.end() || entry->second.folder) {
        throw std::out_of_range("fake file system: no file " + path);
    }
    return entry->second.bytes;
}

bool FakeFileSystem::Exists(const std::string& path) const {
    const Path resolved = Resolve(path);
    return resolved.valid && entries_.count(resolved.key) != 0;
}

bool FakeFileSystem::IsFolder(const std::string& path) const {
    const Path resolved = Resolve(path);
    const auto entry = entries_.find(resolved.key);
    return resolved.valid && entry != entries_.end() && entry->second.folder;
}

FileTime FakeFileSystem::LastWriteTime(const std::string& path) const {
    const auto entry = entries_.find(ResolveOrThrow(path).key);
    if (entry == entries_.end()) throw std::out_of_range("fake file system: nothing at " + path);
    return entry->second.lastWrite;
}

std::vector<std::string> FakeFileSystem::ListFolder(const std::string& path) const {
    const std::string key = ResolveOrThrow(path).key;
    std::vector<std::string> names;
    for (const auto& [entryKey, entry] : entries_) {
        const std::size_t slash = entryKey.rfind('\\');
        if (slash != std::string::npos && entryKey.substr(0, slash) == key) {
            names.push_back(entry.name.substr(entry.name.rfind('\\') + 1));
        }
    }
    return names;
}

void FakeFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
    const auto entry = entries_.find(ResolveOrThrow(path).key);
    if (entry == entries_.end()) throw std::out_of_range("fake file system: nothing at " + path);
    entry->second.readOnly = readOnly;
}

void FakeFileSystem::SetApparentSize(const std::string& path, std::uint64_t size) {
    const auto entry = entries_.find(ResolveOrThrow(path).key);
    if (entry == entries_.end()) throw std::out_of_range("fake file system: nothing at " + path);
    entry->second.apparentSize = size;
}

void FakeFileSystem::HoldOpen(const std::string& path) {
    const auto entry = entries_.find(ResolveOrThrow(path).key);
    if (entry == entries_.end() || entry->second.folder) {
        throw std::out_of_range("fake file system: no file " + path);
    }
    ++entry->second.heldOpen;
}

void FakeFileSystem::Release(const std::string& path) {
    const auto entry = entries_.find(ResolveOrThrow(path).key);
    if (entry == entries_.end() || entry->second.heldOpen == 0) {
        throw std::out_of_range("fake file system: not held open: " + path);
    }
    --entry->second.heldOpen;
}

// --- the calls -------------------------------------------------------------------

FileHandle FakeFileSystem::CreateFile(const std::string& path, std::uint32_t access,
                                      std::uint32_t shareMode, std::uint32_t disposition,
                                      std::uint32_t& error) {
    const Path resolved = Resolve(path);
    if ((error = CheckPlace(resolved)) != 0) return windows::INVALID_HANDLE_VALUE;
    if (disposition != windows::CREATE_ALWAYS && disposition != windows::OPEN_EXISTING) {
        error = windows::ERROR_INVALID_PARAMETER;  // no other disposition is used
        return windows::INVALID_HANDLE_VALUE;
    }
    auto found = entries_.find(resolved.key);
    const bool exists = found != entries_.end();
    if (resolved.parent.empty() || (exists && found->second.folder)) {
        error = windows::ERROR_ACCESS_DENIED;
        return windows::INVALID_HANDLE_VALUE;
    }
    if (!exists && disposition == windows::OPEN_EXISTING) {
        error = windows::ERROR_FILE_NOT_FOUND;
        return windows::INVALID_HANDLE_VALUE;
    }
    if (exists) {
        const bool writes = (access & windows::GENERIC_WRITE) || disposition == windows::CREATE_ALWAYS;
        if (found->second.readOnly && writes) {
            error = windows::ERROR_ACCESS_DENIED;
            return windows::INVALID_HANDLE_VALUE;
        }
        if ((error = CheckSharing(resolved.key, access, shareMode)) != 0) {
            return windows::INVALID_HANDLE_VALUE;
        }
    }
    if (disposition == windows::CREATE_ALWAYS) {
        Entry& entry = entries_[resolved.key];
        if (!exists) entry.name = resolved.full;
        entry.bytes.clear();
        entry.lastWrite = now;
        // Windows reports the replaced file through the last error of a success.
        error = exists ? windows::ERROR_ALREADY_EXISTS : 0;
    }
    const FileHandle handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = OpenFile{resolved.key, access, shareMode, 0};
    return handle;
}

bool FakeFileSystem::ReadFile(FileHandle file, char* buffer, std::uint32_t count,
                              std::uint32_t& read, std::uint32_t& error) {
    read = 0;
    OpenFile& open = handles_.at(file);
    if (!(open.access & windows::GENERIC_READ)) {
        error = windows::ERROR_ACCESS_DENIED;
        return false;
    }
    if (buffer == nullptr && count > 0) {
        error = ERROR_NO_ACCESS;
        return false;
    }
    const std::string& bytes = entries_.at(open.key).bytes;
    if (open.position >= bytes.size()) return true;
    read = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(count, bytes.size() - open.position));
    std::memcpy(buffer, bytes.data() + open.position, read);
    open.position += read;
    return true;
}

bool FakeFileSystem::WriteFile(FileHandle file, const char* buffer, std::uint32_t count,
                               std::uint32_t& written, std::uint32_t& error) {
    written = 0;
    OpenFile& open = handles_.at(file);
    if (!(open.access & windows::GENERIC_WRITE)) {
        error = windows::ERROR_ACCESS_DENIED;
        return false;
    }
    if (buffer == nullptr && count > 0) {
        error = ERROR_NO_ACCESS;
        return false;
    }
    Entry& entry = entries_.at(open.key);
    std::uint64_t fits = count;
    if (diskCapacity) {
        const std::uint64_t used = UsedBytes();
        const std::uint64_t free = *diskCapacity > used ? *diskCapacity - used : 0;
        const std::uint64_t end = entry.bytes.size() + free;  // the file may grow to here
        fits = open.position >= end ? 0 : std::min<std::uint64_t>(count, end - open.position);
    }
    if (fits > 0) {
        if (open.position > entry.bytes.size()) entry.bytes.resize(open.position, '\0');
        const std::size_t at = static_cast<std::size_t>(open.position);
        if (entry.bytes.size() < at + fits) entry.bytes.resize(at + fits);
        entry.bytes.replace(at, static_cast<std::size_t>(fits), buffer,
                            static_cast<std::size_t>(fits));
        open.position += fits;
        entry.lastWrite = now;
    }
    written = static_cast<std::uint32_t>(fits);
    if (fits < count) {
        error = windows::ERROR_DISK_FULL;
        return false;
    }
    return true;
}

std::uint32_t FakeFileSystem::SetFilePointer(FileHandle file, std::int32_t distance,
                                             std::uint32_t moveMethod, std::uint32_t& error) {
    OpenFile& open = handles_.at(file);
    std::int64_t base = 0;
    switch (moveMethod) {
        case windows::FILE_BEGIN: base = 0; break;
        case windows::FILE_CURRENT: base = static_cast<std::int64_t>(open.position); break;
        case windows::FILE_END: {
            const Entry& entry = entries_.at(open.key);
            base = static_cast<std::int64_t>(entry.apparentSize.value_or(entry.bytes.size()));
            break;
        }
        default: error = windows::ERROR_INVALID_PARAMETER; return windows::INVALID_SET_FILE_POINTER;
    }
    const std::int64_t position = base + distance;
    if (position < 0) {
        error = ERROR_NEGATIVE_SEEK;
        return windows::INVALID_SET_FILE_POINTER;
    }
    // Without a high part the new position must fit in 32 bits.
    if (position >= static_cast<std::int64_t>(windows::INVALID_SET_FILE_POINTER)) {
        error = windows::ERROR_INVALID_PARAMETER;
        return windows::INVALID_SET_FILE_POINTER;
    }
    open.position = static_cast<std::uint64_t>(position);
    return static_cast<std::uint32_t>(position);
}

bool FakeFileSystem::FlushFileBuffers(FileHandle file, std::uint32_t& error) {
    if (!(handles_.at(file).access & windows::GENERIC_WRITE)) {
        error = windows::ERROR_ACCESS_DENIED;
        return false;
    }
    return true;
}

void FakeFileSystem::CloseHandle(FileHandle file) { handles_.erase(file); }

FindHandle FakeFileSystem::FindFirstFile(const std::string& path, FindData& found,
                                         std::uint32_t& error) {
    // Names only: wildcards are refused as invalid names.
    const Path resolved = Resolve(path);
    if ((error = CheckPlace(resolved)) != 0) return windows::INVALID_HANDLE_VALUE;
    const auto entry = entries_.find(resolved.key);
    if (entry == entries_.end() || resolved.parent.empty()) {
        error = windows::ERROR_FILE_NOT_FOUND;
        return windows::INVALID_HANDLE_VALUE;
    }
    found.attributes = entry->second.folder ? windows::FILE_ATTRIBUTE_DIRECTORY
                                            : FILE_ATTRIBUTE_ARCHIVE;
    if (entry->second.readOnly) found.attributes |= FILE_ATTRIBUTE_READ_ONLY;
    const FindHandle search = nextHandle_;
    nextHandle_ += 4;
    searches_[search] = resolved.key;
    return search;
}

void FakeFileSystem::FindClose(FindHandle search) { searches_.erase(search); }

std::uint32_t FakeFileSystem::GetFullPathName(const std::string& path, std::uint32_t size,
                                              char* buffer, std::uint32_t& error) const {
    const Path resolved = Resolve(path);
    if (!resolved.valid) {
        error = ERROR_INVALID_NAME;
        return 0;
    }
    const auto length = static_cast<std::uint32_t>(resolved.full.size());
    if (buffer == nullptr || length + 1 > size) return length + 1;  // the size it needs
    std::memcpy(buffer, resolved.full.c_str(), length + 1);
    return length;
}

bool FakeFileSystem::CreateDirectory(const std::string& path, std::uint32_t& error) {
    const Path resolved = Resolve(path);
    if ((error = CheckPlace(resolved)) != 0) return false;
    if (resolved.parent.empty() || entries_.count(resolved.key) != 0) {
        error = windows::ERROR_ALREADY_EXISTS;
        return false;
    }
    Entry folder;
    folder.name = resolved.full;
    folder.folder = true;
    folder.lastWrite = now;
    entries_.emplace(resolved.key, folder);
    return true;
}

bool FakeFileSystem::MoveFile(const std::string& from, const std::string& to,
                              std::uint32_t flags, std::uint32_t& error) {
    const Path source = Resolve(from);
    const Path target = Resolve(to);
    if ((error = CheckPlace(source)) != 0) return false;
    const auto moving = entries_.find(source.key);
    if (moving == entries_.end()) {
        error = windows::ERROR_FILE_NOT_FOUND;
        return false;
    }
    if (moving->second.folder) {  // this fake moves files only
        error = windows::ERROR_ACCESS_DENIED;
        return false;
    }
    if (InUse(source.key)) {
        error = windows::ERROR_SHARING_VIOLATION;
        return false;
    }
    if ((error = CheckPlace(target)) != 0) return false;
    if (source.full.substr(0, 2) != target.full.substr(0, 2) && !(flags & MOVE_FILE_COPY_ALLOWED)) {
        error = ERROR_NOT_SAME_DEVICE;
        return false;
    }
    if (target.key == source.key) {  // a change of letter case only
        moving->second.name = target.full;
        return true;
    }
    const auto replaced = entries_.find(target.key);
    if (replaced != entries_.end()) {
        if (!(flags & windows::MOVEFILE_REPLACE_EXISTING)) {
            error = windows::ERROR_ALREADY_EXISTS;
            return false;
        }
        // Windows refuses to rename over a folder, a read-only file or a file
        // that is open, with "Access is denied".
        if (replaced->second.folder || replaced->second.readOnly || InUse(target.key)) {
            error = windows::ERROR_ACCESS_DENIED;
            return false;
        }
    }
    Entry entry = moving->second;
    entry.name = target.full;
    entries_.erase(moving);
    entries_[target.key] = entry;
    return true;
}

bool FakeFileSystem::DeleteFile(const std::string& path, std::uint32_t& error) {
    const Path resolved = Resolve(path);
    if ((error = CheckPlace(resolved)) != 0) return false;
    const auto entry = entries_.find(resolved.key);
    if (entry == entries_.end()) {
        error = windows::ERROR_FILE_NOT_FOUND;
        return false;
    }
    if (entry->second.folder || entry->second.readOnly) {
        error = windows::ERROR_ACCESS_DENIED;
        return false;
    }
    if (InUse(resolved.key)) {
        error = windows::ERROR_SHARING_VIOLATION;
        return false;
    }
    entries_.erase(entry);
    return true;
}

std::uint32_t FakeFileSystem::FormatMessage(std::uint32_t flags, std::uint32_t messageId,
                                            char* buffer, std::uint32_t size,
                                            std::uint32_t& error) const {
    if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM)) {
        error = windows::ERROR_INVALID_PARAMETER;
        return 0;
    }
    const auto found = messageTexts.find(messageId);
    if (found == messageTexts.end()) {
        error = ERROR_MESSAGE_NOT_FOUND;
        return 0;
    }
    const std::string text = found->second + "\r\n";  // as Windows ends its texts
    if (buffer == nullptr || text.size() + 1 > size) {
        error = ERROR_INSUFFICIENT_BUFFER;
        return 0;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<std::uint32_t>(text.size());
}

}  // namespace velkaris::fake

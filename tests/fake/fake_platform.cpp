#include "fake/fake_platform.h"

#include <iconv.h>

#include <algorithm>
#include <cstring>

#include "fake/windows_numbers.h"

namespace velkaris::fake {

thread_local int platformCallDepth = 0;

namespace {

// The bytes of text in another encoding; nothing when iconv cannot convert them.
std::optional<std::string> Recode(const char* to, const char* from, std::string text) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(text.size() * 2 + 4, '\0');
    char* inPtr = text.data();
    char* outPtr = out.data();
    std::size_t inLeft = text.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

// The host is little-endian: UTF-16LE bytes are its char16_t units.
std::optional<std::string> Utf8Of(const std::u16string& text) {
    return Recode("UTF-8", "UTF-16LE",
                  std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2));
}

std::optional<std::u16string> Utf16Of(const std::string& text) {
    const std::optional<std::string> bytes = Recode("UTF-16LE", "UTF-8", text);
    if (!bytes) return std::nullopt;
    std::u16string wide(bytes->size() / 2, u'\0');
    std::memcpy(wide.data(), bytes->data(), bytes->size());
    return wide;
}

bool SplitKeyPath(const std::string& path, std::vector<std::string>& parts) {
    parts.clear();
    if (path.empty()) return true;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return std::none_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty(); });
}

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return lower(x) < lower(y); });
}

// --- the machinery of every call -----------------------------------------------

int FakePlatform::CallCount(const std::string& call) const {
    const auto it = callCounts_.find(call);
    return it == callCounts_.end() ? 0 : it->second;
}

const Fault* FakePlatform::Enter(const char* call) {
    if (onCall) onCall(call);
    calls_.push_back(call);
    const int nth = ++callCounts_[call];
    const int overall = static_cast<int>(calls_.size());
    for (const Fault& fault : faults_) {
        if (fault.call.empty() ? fault.occurrence == overall
                               : (fault.call == call && fault.occurrence == nth)) {
            lastError_ = fault.error;
            return &fault;
        }
    }
    return nullptr;
}

void FakePlatform::Misuse(const char* call, std::optional<std::intptr_t> handle, bool badText) {
    std::string what = badText ? "a text no UTF-8 stands for" : "unexpected options or access";
    if (handle) {
        what = "handle " + std::to_string(*handle) +
               (closed_.count(*handle) != 0 ? " closed before" : " not open");
    }
    misuse.push_back(std::string(call) + ": " + what);
}

std::intptr_t FakePlatform::NewHandle() {
    files.nextHandle_ += 4;
    return files.nextHandle_;
}

std::string FakePlatform::PathOf(const char* call, const std::u16string& path) {
    const std::optional<std::string> utf8 = Utf8Of(path);
    if (!utf8) Misuse(call, std::nullopt, true);
    return utf8.value_or("?");
}

// --- registry ----------------------------------------------------------------

RegKey& FakePlatform::AddKey(const std::string& path) {
    std::vector<std::string> parts;
    SplitKeyPath(path, parts);
    RegKey* key = &hkcu;
    for (const std::string& part : parts) key = &key->subkeys[part];
    return *key;
}

const RegKey* FakePlatform::FindKey(const std::string& path) const {
    std::vector<std::string> parts;
    if (!SplitKeyPath(path, parts)) return nullptr;
    const RegKey* key = &hkcu;
    for (const std::string& part : parts) {
        const auto it = key->subkeys.find(part);
        if (it == key->subkeys.end()) return nullptr;
        key = &it->second;
    }
    return key;
}

const RegValue* FakePlatform::FindValue(const std::string& keyPath, const std::string& name) const {
    const RegKey* key = FindKey(keyPath);
    if (key == nullptr) return nullptr;
    const auto it = key->values.find(name);
    return it == key->values.end() ? nullptr : &it->second;
}

RegKey* FakePlatform::OpenedKey(KeyHandle key) {
    const auto open = openKeys_.find(key);
    return open == openKeys_.end() ? nullptr : open->second;
}

std::int32_t FakePlatform::OpenKey(const char* call, KeyHandle base, const std::string& subKey,
                                   bool create, bool queryOnly, bool expectedArguments,
                                   KeyHandle& result) {
    return Forward<std::int32_t>(call, std::nullopt, [&](std::uint32_t&) -> std::int32_t {
        if (!expectedArguments) Misuse(call, std::nullopt);
        RegKey* key = base == windows::HKEY_CURRENT_USER ? &hkcu : OpenedKey(base);
        std::vector<std::string> parts;
        if (key == nullptr) return windows::ERROR_INVALID_HANDLE;
        if (!SplitKeyPath(subKey, parts)) return windows::ERROR_BAD_PATHNAME;
        for (const std::string& part : parts) {
            auto it = key->subkeys.find(part);
            if (it == key->subkeys.end()) {
                if (!create) return windows::ERROR_FILE_NOT_FOUND;
                if (key->readOnly) return windows::ERROR_ACCESS_DENIED;
                it = key->subkeys.emplace(part, RegKey{}).first;
            }
            key = &it->second;
        }
        if (key->readOnly && !queryOnly) return windows::ERROR_ACCESS_DENIED;
        result = static_cast<KeyHandle>(NewHandle());
        openKeys_[result] = key;
        return windows::ERROR_SUCCESS;
    });
}

std::int32_t FakePlatform::RegOpenKeyExA(KeyHandle base, const std::string& subKey,
                                         std::uint32_t options, std::uint32_t access,
                                         KeyHandle& result) {
    return OpenKey("RegOpenKeyExA", base, subKey, false, access == windows::KEY_QUERY_VALUE,
                   options == 0 && (access == windows::KEY_ALL_ACCESS ||
                                    access == windows::KEY_QUERY_VALUE),
                   result);
}

std::int32_t FakePlatform::RegCreateKeyExA(KeyHandle base, const std::string& subKey,
                                           std::uint32_t options, std::uint32_t access,
                                           KeyHandle& result) {
    return OpenKey("RegCreateKeyExA", base, subKey, true, false,
                   options == windows::REG_OPTION_NON_VOLATILE && access == windows::KEY_ALL_ACCESS,
                   result);
}

std::int32_t FakePlatform::RegSetValueExA(KeyHandle key, const std::string& valueName,
                                          std::uint32_t type, const std::uint8_t* data,
                                          std::uint32_t size) {
    return Forward<std::int32_t>("RegSetValueExA", std::nullopt, [&](std::uint32_t&) -> std::int32_t {
        RegKey* open = OpenedKey(key);
        if (open == nullptr) return windows::ERROR_INVALID_HANDLE;
        open->values[valueName] = RegValue{type, std::string(reinterpret_cast<const char*>(data), size)};
        return windows::ERROR_SUCCESS;
    });
}

std::int32_t FakePlatform::RegQueryValueExA(KeyHandle key, const std::string& valueName,
                                            std::uint32_t& type, std::uint8_t* data,
                                            std::uint32_t& size) {
    return Forward<std::int32_t>("RegQueryValueExA", std::nullopt, [&](std::uint32_t&) -> std::int32_t {
        RegKey* open = OpenedKey(key);
        if (open == nullptr) return windows::ERROR_INVALID_HANDLE;
        const auto it = open->values.find(valueName);
        if (it == open->values.end()) return windows::ERROR_FILE_NOT_FOUND;
        const std::uint32_t room = size;
        type = it->second.type;
        size = static_cast<std::uint32_t>(it->second.data.size());
        if (data == nullptr) return windows::ERROR_SUCCESS;
        if (room < size) return windows::ERROR_MORE_DATA;
        std::copy(it->second.data.begin(), it->second.data.end(), data);
        return windows::ERROR_SUCCESS;
    });
}

std::int32_t FakePlatform::RegDeleteValueA(KeyHandle key, const std::string& valueName) {
    return Forward<std::int32_t>("RegDeleteValueA", std::nullopt, [&](std::uint32_t&) -> std::int32_t {
        RegKey* open = OpenedKey(key);
        if (open == nullptr) return windows::ERROR_INVALID_HANDLE;
        return open->values.erase(valueName) == 1 ? windows::ERROR_SUCCESS
                                                   : windows::ERROR_FILE_NOT_FOUND;
    });
}

std::int32_t FakePlatform::RegCloseKey(KeyHandle key) {
    return Forward<std::int32_t>("RegCloseKey", std::nullopt,
                                 [&](std::uint32_t&, const Fault* fault) -> std::int32_t {
        if (OpenedKey(key) == nullptr) {
            Misuse("RegCloseKey", static_cast<std::intptr_t>(key));
            return windows::ERROR_INVALID_HANDLE;
        }
        // A failing close still releases the handle, as on Windows.
        openKeys_.erase(key);
        closed_.insert(static_cast<std::intptr_t>(key));
        return fault != nullptr ? static_cast<std::int32_t>(fault->error) : windows::ERROR_SUCCESS;
    });
}

// --- shell, user interface, process --------------------------------------------

bool FakePlatform::SHGetSpecialFolderPathW(char16_t* buffer, std::int32_t folder, bool create) {
    return Forward<bool>("SHGetSpecialFolderPathW", false, [&](std::uint32_t&) {
        const std::u16string path = Utf16Of(appDataFolder).value();
        if (folder != windows::CSIDL_APPDATA || create || path.size() >= windows::MAX_PATH) {
            return false;
        }
        std::memcpy(buffer, path.c_str(), (path.size() + 1) * sizeof(char16_t));
        return true;
    });
}

std::int32_t FakePlatform::MessageBoxW(const std::u16string& text, const std::u16string& caption,
                                       std::uint32_t style) {
    return Forward<std::int32_t>("MessageBoxW", 0, [&](std::uint32_t&) {
        boxes.push_back(ShownBox{text, caption, style});
        const std::int32_t answer = answers.empty() ? windows::IDOK : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    });
}

std::uint32_t FakePlatform::GetModuleFileNameW(char16_t* buffer, std::uint32_t size) {
    return Forward<std::uint32_t>("GetModuleFileNameW", 0, [&](std::uint32_t&) -> std::uint32_t {
        if (size == 0) return 0;
        const std::u16string name = Utf16Of(moduleFileName).value();
        const std::size_t length = std::min<std::size_t>(name.size(), size - 1);
        std::memcpy(buffer, name.data(), length * sizeof(char16_t));
        buffer[length] = '\0';
        return static_cast<std::uint32_t>(length);
    });
}

bool FakePlatform::GiveName(const char* call, const std::string& name, char16_t* buffer,
                            std::uint32_t& size, bool countsNul) {
    return Forward<bool>(call, false, [&](std::uint32_t& error) {
        const std::u16string wide = Utf16Of(name).value();
        if (wide.size() >= size) {
            size = static_cast<std::uint32_t>(wide.size() + 1);
            error = windows::ERROR_BUFFER_OVERFLOW;
            return false;
        }
        std::memcpy(buffer, wide.c_str(), (wide.size() + 1) * sizeof(char16_t));
        size = static_cast<std::uint32_t>(wide.size() + (countsNul ? 1 : 0));
        return true;
    });
}

bool FakePlatform::GetUserNameW(char16_t* buffer, std::uint32_t& size) {
    return GiveName("GetUserNameW", userName, buffer, size, true);
}

bool FakePlatform::GetComputerNameW(char16_t* buffer, std::uint32_t& size) {
    return GiveName("GetComputerNameW", computerName, buffer, size, false);
}

std::uint32_t FakePlatform::GetCurrentProcessId() {
    return Forward<std::uint32_t>("GetCurrentProcessId", processId,
                                  [&](std::uint32_t&, const Fault*) { return processId; });
}

bool FakePlatform::RunsAsLocalSystem() {
    return Forward<bool>("RunsAsLocalSystem", false, [&](std::uint32_t&) { return localSystem; });
}

std::u16string FakePlatform::GetCommandLineW() {
    // A fault gives an empty line: no arguments, not even the program's name.
    return Forward<std::u16string>("GetCommandLineW", std::nullopt,
                                   [&](std::uint32_t&, const Fault* fault) {
        return fault != nullptr ? std::u16string() : commandLine;
    });
}

void FakePlatform::GetLocalTime(LocalTime& time) {
    Forward<bool>("GetLocalTime", false, [&](std::uint32_t&, const Fault*) {
        time = localTime;
        return true;
    });
}

void FakePlatform::ExitProcess(std::uint32_t code) {
    Forward<bool>("ExitProcess", false, [&](std::uint32_t&, const Fault*) {
        exitCode = code;
        openKeysAtExit = openKeys_.size();
        openFilesAtExit = files.OpenFileCount();
        return true;
    });
}

void FakePlatform::Sleep(std::uint32_t milliseconds) {
    Forward<bool>("Sleep", false, [&](std::uint32_t&, const Fault*) {
        sleeps.push_back(milliseconds);
        if (onSleep) onSleep();
        return true;
    });
}

// --- files ---------------------------------------------------------------------

FakeFileSystem::Open* FakePlatform::Opened(std::intptr_t handle, bool search, const char* call,
                                           std::uint32_t& error) {
    const auto open = files.opened_.find(handle);
    if (open != files.opened_.end() && open->second.search == search && open->second.owner == this) {
        return &open->second;
    }
    Misuse(call, handle);
    error = windows::ERROR_INVALID_HANDLE;
    return nullptr;
}

bool FakePlatform::Close(std::intptr_t handle, bool search, const char* call,
                         std::uint32_t& error) {
    if (Opened(handle, search, call, error) == nullptr) return false;
    files.Close(handle);
    closed_.insert(handle);
    return true;
}

FileHandle FakePlatform::CreateFileW(const std::u16string& widePath, std::uint32_t access,
                                     std::uint32_t shareMode, std::uint32_t disposition,
                                     std::uint32_t attributes) {
    return Forward<FileHandle>("CreateFileW", windows::INVALID_HANDLE_VALUE, [&](std::uint32_t& error) {
        const std::string path = PathOf("CreateFileW", widePath);
        const bool createNew = disposition == windows::CREATE_NEW;
        const bool create = createNew || disposition == windows::CREATE_ALWAYS;
        const bool always = disposition == windows::OPEN_ALWAYS;
        // Appending is writing, to the sharing rules as to a read-only file.
        const std::uint32_t wants =
            (access & windows::FILE_APPEND_DATA) ? access | windows::GENERIC_WRITE : access;
        const bool writes = create || (wants & windows::GENERIC_WRITE);
        const FakeFileSystem::Entry* entry = files.Find(path);
        error = !create && !always && disposition != windows::OPEN_EXISTING
                    ? windows::ERROR_INVALID_PARAMETER
                : !entry && (!(create || always) || !files.HasFolder(path)) ? files.Missing(path)
                : !entry                                          ? 0
                : createNew                                       ? windows::ERROR_FILE_EXISTS
                : entry->folder || (entry->readOnly && writes)    ? windows::ERROR_ACCESS_DENIED
                : files.SharingRefuses(path, wants, shareMode)    ? windows::ERROR_SHARING_VIOLATION
                                                                  : 0;
        if (error != 0) return windows::INVALID_HANDLE_VALUE;
        // Windows reports a file that was there through the last error of a success.
        if (entry != nullptr && (create || always)) error = windows::ERROR_ALREADY_EXISTS;
        if (entry == nullptr || create) {
            FakeFileSystem::Entry& created = files.entries_[files.Key(path)];
            if (entry == nullptr) created.name = files.Full(path);
            files.Touch(created).bytes.clear();
        }
        const FileHandle handle = NewHandle();
        files.opened_[handle] = FakeFileSystem::Open{
            files.Key(path), wants, shareMode, 0, false,
            (attributes & windows::FILE_FLAG_DELETE_ON_CLOSE) != 0, this};
        return handle;
    });
}

bool FakePlatform::ReadFile(FileHandle file, char* buffer, std::uint32_t count,
                            std::uint32_t& read) {
    read = 0;
    return Forward<bool>("ReadFile", false, [&](std::uint32_t& error, const Fault* fault) {
        // A planned short read is a success that read only half.
        if (fault != nullptr && !fault->partial) return false;
        FakeFileSystem::Open* open = Opened(file, false, "ReadFile", error);
        if (open != nullptr && !(open->access & windows::GENERIC_READ)) {
            error = windows::ERROR_ACCESS_DENIED;
        }
        if (error != 0) return false;
        const std::string& bytes = files.entries_.at(open->key).bytes;
        if (open->position >= bytes.size()) return true;
        read = static_cast<std::uint32_t>(std::min<std::uint64_t>(
            fault != nullptr ? count / 2 : count, bytes.size() - open->position));
        std::memcpy(buffer, bytes.data() + open->position, read);
        open->position += read;
        return true;
    });
}

bool FakePlatform::WriteFile(FileHandle file, const char* buffer, std::uint32_t count,
                             std::uint32_t& written) {
    written = 0;
    return Forward<bool>("WriteFile", false, [&](std::uint32_t& error, const Fault* fault) {
        // A planned short write is a success that wrote only half.
        if (fault != nullptr && !fault->partial) return false;
        FakeFileSystem::Open* open = Opened(file, false, "WriteFile", error);
        if (open != nullptr && !(open->access & windows::GENERIC_WRITE)) {
            error = windows::ERROR_ACCESS_DENIED;
        }
        if (error != 0) return false;
        std::string& bytes = files.Touch(files.entries_.at(open->key)).bytes;
        if (open->access & windows::FILE_APPEND_DATA) open->position = bytes.size();
        const std::uint32_t wanted = fault != nullptr ? count / 2 : count;
        std::uint64_t fits = wanted;
        if (files.diskCapacity) {  // a full disk takes what fits
            const std::uint64_t end = bytes.size() + files.FreeBytes();
            fits = std::min<std::uint64_t>(wanted, end > open->position ? end - open->position : 0);
        }
        if (open->position > bytes.size()) bytes.resize(open->position, '\0');
        bytes.replace(open->position, fits, buffer, fits);
        open->position += fits;
        written = static_cast<std::uint32_t>(fits);
        if (written < wanted) error = windows::ERROR_DISK_FULL;
        return written == wanted;
    });
}

std::uint32_t FakePlatform::SetFilePointer(FileHandle file, std::int32_t distance,
                                           std::uint32_t moveMethod) {
    return Forward<std::uint32_t>("SetFilePointer", windows::INVALID_SET_FILE_POINTER,
                                  [&](std::uint32_t& error) {
        FakeFileSystem::Open* open = Opened(file, false, "SetFilePointer", error);
        if (open == nullptr) return windows::INVALID_SET_FILE_POINTER;
        const FakeFileSystem::Entry& entry = files.entries_.at(open->key);
        const std::uint64_t base = moveMethod == windows::FILE_CURRENT ? open->position
                                   : moveMethod == windows::FILE_END
                                       ? entry.apparentSize.value_or(entry.bytes.size())
                                       : 0;
        const std::int64_t position = static_cast<std::int64_t>(base) + distance;
        // Without a high part the new position must fit in 32 bits.
        error = moveMethod > windows::FILE_END ? windows::ERROR_INVALID_PARAMETER
                : position < 0                 ? windows::ERROR_NEGATIVE_SEEK
                : position >= windows::INVALID_SET_FILE_POINTER ? windows::ERROR_INVALID_PARAMETER
                                                                : 0;
        if (error != 0) return windows::INVALID_SET_FILE_POINTER;
        open->position = static_cast<std::uint64_t>(position);
        return static_cast<std::uint32_t>(position);
    });
}

bool FakePlatform::FlushFileBuffers(FileHandle file) {
    return Forward<bool>("FlushFileBuffers", false, [&](std::uint32_t& error) {
        return Opened(file, false, "FlushFileBuffers", error) != nullptr;
    });
}

bool FakePlatform::GetFileInformationByHandle(FileHandle file, FileInformation& information) {
    return Forward<bool>("GetFileInformationByHandle", false, [&](std::uint32_t& error) {
        const FakeFileSystem::Open* open = Opened(file, false, "GetFileInformationByHandle", error);
        if (open == nullptr) return false;
        const FakeFileSystem::Entry& entry = files.entries_.at(open->key);
        information.size = entry.apparentSize.value_or(entry.bytes.size());
        information.lastWriteTime = entry.lastWrite;
        return true;
    });
}

bool FakePlatform::CloseHandle(FileHandle handle) {
    return Forward<bool>("CloseHandle", false, [&](std::uint32_t& error, const Fault* fault) {
        return Close(handle, false, "CloseHandle", error) && fault == nullptr;
    });
}

FindHandle FakePlatform::FindFirstFileW(const std::u16string& widePath, FindData& found) {
    return Forward<FindHandle>("FindFirstFileW", windows::INVALID_HANDLE_VALUE, [&](std::uint32_t& error) {
        const std::string path = PathOf("FindFirstFileW", widePath);
        const FakeFileSystem::Entry* entry = files.Find(path);
        if (entry == nullptr) error = files.Missing(path);
        if (error != 0) return windows::INVALID_HANDLE_VALUE;
        found.attributes = entry->folder ? windows::FILE_ATTRIBUTE_DIRECTORY
                                         : windows::FILE_ATTRIBUTE_ARCHIVE;
        const FindHandle search = NewHandle();
        files.opened_[search] = FakeFileSystem::Open{files.Key(path), 0, 0, 0, true, false, this};
        return search;
    });
}

bool FakePlatform::FindClose(FindHandle search) {
    return Forward<bool>("FindClose", false, [&](std::uint32_t& error, const Fault* fault) {
        return Close(search, true, "FindClose", error) && fault == nullptr;
    });
}

std::uint32_t FakePlatform::GetFullPathNameW(const std::u16string& path, std::uint32_t size,
                                             char16_t* buffer) {
    return Forward<std::uint32_t>("GetFullPathNameW", 0, [&](std::uint32_t&) {
        const std::u16string full = Utf16Of(files.Full(PathOf("GetFullPathNameW", path))).value();
        const auto length = static_cast<std::uint32_t>(full.size());
        if (buffer == nullptr || length >= size) return length + 1;  // the size it needs
        std::memcpy(buffer, full.c_str(), (length + 1) * sizeof(char16_t));
        return length;
    });
}

bool FakePlatform::CreateDirectoryW(const std::u16string& widePath) {
    return Forward<bool>("CreateDirectoryW", false, [&](std::uint32_t& error) {
        const std::string path = PathOf("CreateDirectoryW", widePath);
        error = files.Exists(path)       ? windows::ERROR_ALREADY_EXISTS
                : !files.HasFolder(path) ? windows::ERROR_PATH_NOT_FOUND
                                         : 0;
        if (error == 0) files.AddFolder(path);
        return error == 0;
    });
}

bool FakePlatform::MoveFileExW(const std::u16string& wideFrom, const std::u16string& wideTo,
                               std::uint32_t flags) {
    return Forward<bool>("MoveFileExW", false, [&](std::uint32_t& error) {
        const std::string from = PathOf("MoveFileExW", wideFrom);
        const std::string to = PathOf("MoveFileExW", wideTo);
        const FakeFileSystem::Entry* moving = files.Find(from);
        const FakeFileSystem::Entry* replaced = files.Find(to);
        // Windows refuses to rename over a folder, a read-only file or an open one,
        // with "Access is denied".
        error = !moving                 ? files.Missing(from)
                : files.InUse(from)     ? windows::ERROR_SHARING_VIOLATION
                : !files.HasFolder(to)  ? windows::ERROR_PATH_NOT_FOUND
                : !replaced             ? 0
                : !(flags & windows::MOVEFILE_REPLACE_EXISTING) ? windows::ERROR_ALREADY_EXISTS
                : replaced->folder || replaced->readOnly || files.InUse(to)
                    ? windows::ERROR_ACCESS_DENIED
                    : 0;
        if (error != 0) return false;
        FakeFileSystem::Entry entry = *moving;
        entry.name = files.Full(to);
        files.entries_.erase(files.Key(from));
        files.entries_[files.Key(to)] = entry;
        return true;
    });
}

bool FakePlatform::DeleteFileW(const std::u16string& widePath) {
    return Forward<bool>("DeleteFileW", false, [&](std::uint32_t& error) {
        const std::string path = PathOf("DeleteFileW", widePath);
        const FakeFileSystem::Entry* entry = files.Find(path);
        error = !entry                               ? files.Missing(path)
                : entry->folder || entry->readOnly   ? windows::ERROR_ACCESS_DENIED
                : files.InUse(path)                  ? windows::ERROR_SHARING_VIOLATION
                                                     : 0;
        if (error == 0) files.entries_.erase(files.Key(path));
        return error == 0;
    });
}

std::uint32_t FakePlatform::FormatMessageW(std::uint32_t flags, std::uint32_t messageId,
                                           std::uint32_t /*languageId*/, char16_t* buffer,
                                           std::uint32_t size) {
    return Forward<std::uint32_t>("FormatMessageW", 0, [&](std::uint32_t& error) -> std::uint32_t {
        const auto found = files.messageTexts.find(messageId);
        const std::u16string text =
            found == files.messageTexts.end() ? u"" : Utf16Of(found->second + "\r\n").value();
        error = !(flags & windows::FORMAT_MESSAGE_FROM_SYSTEM) ? windows::ERROR_INVALID_PARAMETER
                : text.empty()                                 ? windows::ERROR_MESSAGE_NOT_FOUND
                : buffer == nullptr || text.size() >= size     ? windows::ERROR_INSUFFICIENT_BUFFER
                                                               : 0;
        if (error != 0) return 0;
        // Ended as Windows ends its texts.
        std::memcpy(buffer, text.c_str(), (text.size() + 1) * sizeof(char16_t));
        return static_cast<std::uint32_t>(text.size());
    });
}

// A fault stands for a Windows that lacks the call, or refuses it.
bool FakePlatform::SetDefaultDllDirectories(std::uint32_t directoryFlags) {
    return Forward<bool>("SetDefaultDllDirectories", false, [&](std::uint32_t&) {
        defaultDllDirectories = directoryFlags;
        return true;
    });
}

bool FakePlatform::SetDllDirectoryW(const std::u16string& path) {
    return Forward<bool>("SetDllDirectoryW", false, [&](std::uint32_t&) {
        dllDirectory = path;
        return true;
    });
}

bool FakePlatform::LoadLibraryExW(const std::u16string& name, std::uint32_t flags) {
    return Forward<bool>("LoadLibraryExW", false, [&](std::uint32_t&) {
        if (flags != windows::LOAD_LIBRARY_SEARCH_SYSTEM32) Misuse("LoadLibraryExW", std::nullopt);
        loadedLibraries.push_back(name);
        return true;
    });
}

std::uint32_t FakePlatform::GetLastError() {
    // Recorded, but never counted or failed: it only reports the last call.
    const PlatformCallScope scope;
    calls_.push_back("GetLastError");
    return lastError_;
}

}  // namespace velkaris::fake

// File calls of the fake platform, with the Windows errors the program meets;
// FormatMessageA too, since its texts are the file errors'.
#include <algorithm>
#include <cstring>
#include <string>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"

namespace velkaris::fake {

FakeFileSystem::Open* FakePlatform::Opened(std::intptr_t handle, bool search, const char* call,
                                           std::uint32_t& error) {
    const auto open = files.opened_.find(handle);
    if (open != files.opened_.end() && open->second.search == search) return &open->second;
    Misuse(call, handle);
    error = windows::ERROR_INVALID_HANDLE;
    return nullptr;
}

bool FakePlatform::Close(std::intptr_t handle, bool search, const char* call,
                         std::uint32_t& error) {
    if (Opened(handle, search, call, error) == nullptr) return false;
    files.opened_.erase(handle);
    closed_.insert(handle);
    return true;
}

FileHandle FakePlatform::CreateFileA(const std::string& path, std::uint32_t access,
                                     std::uint32_t shareMode, std::uint32_t disposition,
                                     std::uint32_t /*attributes*/) {
    return Forward<FileHandle>("CreateFileA", windows::INVALID_HANDLE_VALUE, [&](std::uint32_t& error) {
        const bool create = disposition == windows::CREATE_ALWAYS;
        FakeFileSystem::Entry* entry = files.Find(path);
        if (!create && disposition != windows::OPEN_EXISTING) {
            error = windows::ERROR_INVALID_PARAMETER;  // no other disposition is used
        } else if (entry == nullptr && (!create || !files.HasFolder(path))) {
            error = files.Missing(path);
        } else if (entry != nullptr && (entry->folder || (entry->readOnly &&
                                                          (create || (access & windows::GENERIC_WRITE))))) {
            error = windows::ERROR_ACCESS_DENIED;
        } else if (entry != nullptr && files.SharingRefuses(path, access, shareMode)) {
            error = windows::ERROR_SHARING_VIOLATION;
        }
        if (error != 0) return windows::INVALID_HANDLE_VALUE;
        if (create) {
            // Windows reports the replaced file through the last error of a success.
            error = entry != nullptr ? windows::ERROR_ALREADY_EXISTS : 0;
            FakeFileSystem::Entry& created = files.entries_[files.Key(path)];
            if (entry == nullptr) created.name = files.Full(path);
            created.bytes.clear();
        }
        const FileHandle handle = NewHandle();
        files.opened_[handle] = FakeFileSystem::Open{files.Key(path), access, shareMode, 0, false};
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
        if (open == nullptr) return false;
        if (!(open->access & windows::GENERIC_READ)) {
            error = windows::ERROR_ACCESS_DENIED;
            return false;
        }
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
        if (open == nullptr) return false;
        if (!(open->access & windows::GENERIC_WRITE)) {
            error = windows::ERROR_ACCESS_DENIED;
            return false;
        }
        std::string& bytes = files.entries_.at(open->key).bytes;
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
        std::int64_t base = 0;
        if (moveMethod == windows::FILE_CURRENT) {
            base = static_cast<std::int64_t>(open->position);
        } else if (moveMethod == windows::FILE_END) {
            base = static_cast<std::int64_t>(entry.apparentSize.value_or(entry.bytes.size()));
        } else if (moveMethod != windows::FILE_BEGIN) {
            error = windows::ERROR_INVALID_PARAMETER;
        }
        const std::int64_t position = base + distance;
        if (error == 0 && position < 0) error = windows::ERROR_NEGATIVE_SEEK;
        // Without a high part the new position must fit in 32 bits.
        if (error == 0 && position >= windows::INVALID_SET_FILE_POINTER) {
            error = windows::ERROR_INVALID_PARAMETER;
        }
        if (error != 0) return windows::INVALID_SET_FILE_POINTER;
        open->position = static_cast<std::uint64_t>(position);
        return static_cast<std::uint32_t>(position);
    });
}

bool FakePlatform::FlushFileBuffers(FileHandle file) {
    return Forward<bool>("FlushFileBuffers", false, [&](std::uint32_t& error) {
        const FakeFileSystem::Open* open = Opened(file, false, "FlushFileBuffers", error);
        if (open != nullptr && !(open->access & windows::GENERIC_WRITE)) {
            error = windows::ERROR_ACCESS_DENIED;
        }
        return error == 0;
    });
}

bool FakePlatform::CloseHandle(FileHandle handle) {
    return Forward<bool>("CloseHandle", false, [&](std::uint32_t& error, const Fault* fault) {
        return Close(handle, false, "CloseHandle", error) && fault == nullptr;
    });
}

FindHandle FakePlatform::FindFirstFileA(const std::string& path, FindData& found) {
    return Forward<FindHandle>("FindFirstFileA", windows::INVALID_HANDLE_VALUE, [&](std::uint32_t& error) {
        const FakeFileSystem::Entry* entry = files.Find(path);
        if (entry == nullptr) {
            error = files.Missing(path);
            return windows::INVALID_HANDLE_VALUE;
        }
        found.attributes = entry->folder ? windows::FILE_ATTRIBUTE_DIRECTORY
                                         : windows::FILE_ATTRIBUTE_ARCHIVE;
        const FindHandle search = NewHandle();
        files.opened_[search] = FakeFileSystem::Open{files.Key(path), 0, 0, 0, true};
        return search;
    });
}

bool FakePlatform::FindClose(FindHandle search) {
    return Forward<bool>("FindClose", false, [&](std::uint32_t& error, const Fault* fault) {
        return Close(search, true, "FindClose", error) && fault == nullptr;
    });
}

std::uint32_t FakePlatform::GetFullPathNameA(const std::string& path, std::uint32_t size,
                                             char* buffer) {
    return Forward<std::uint32_t>("GetFullPathNameA", 0, [&](std::uint32_t&) {
        const std::string full = files.Full(path);
        const auto length = static_cast<std::uint32_t>(full.size());
        if (buffer == nullptr || length >= size) return length + 1;  // the size it needs
        std::memcpy(buffer, full.c_str(), length + 1);
        return length;
    });
}

bool FakePlatform::CreateDirectoryA(const std::string& path) {
    return Forward<bool>("CreateDirectoryA", false, [&](std::uint32_t& error) {
        if (files.Exists(path)) {
            error = windows::ERROR_ALREADY_EXISTS;
        } else if (!files.HasFolder(path)) {
            error = windows::ERROR_PATH_NOT_FOUND;
        } else {
            files.AddFolder(path);
        }
        return error == 0;
    });
}

bool FakePlatform::MoveFileExA(const std::string& from, const std::string& to,
                               std::uint32_t flags) {
    return Forward<bool>("MoveFileExA", false, [&](std::uint32_t& error) {
        const FakeFileSystem::Entry* moving = files.Find(from);
        const FakeFileSystem::Entry* replaced = files.Find(to);
        if (moving == nullptr) {
            error = files.Missing(from);
        } else if (files.InUse(from)) {
            error = windows::ERROR_SHARING_VIOLATION;
        } else if (!files.HasFolder(to)) {
            error = windows::ERROR_PATH_NOT_FOUND;
        } else if (replaced != nullptr && !(flags & windows::MOVEFILE_REPLACE_EXISTING)) {
            error = windows::ERROR_ALREADY_EXISTS;
        } else if (replaced != nullptr &&
                   (replaced->folder || replaced->readOnly || files.InUse(to))) {
            // Windows refuses to rename over a folder, a read-only file or an open
            // one, with "Access is denied".
            error = windows::ERROR_ACCESS_DENIED;
        }
        if (error != 0) return false;
        FakeFileSystem::Entry entry = *moving;
        entry.name = files.Full(to);
        files.entries_.erase(files.Key(from));
        files.entries_[files.Key(to)] = entry;
        return true;
    });
}

bool FakePlatform::DeleteFileA(const std::string& path) {
    return Forward<bool>("DeleteFileA", false, [&](std::uint32_t& error) {
        const FakeFileSystem::Entry* entry = files.Find(path);
        if (entry == nullptr) {
            error = files.Missing(path);
        } else if (entry->folder || entry->readOnly) {
            error = windows::ERROR_ACCESS_DENIED;
        } else if (files.InUse(path)) {
            error = windows::ERROR_SHARING_VIOLATION;
        } else {
            files.entries_.erase(files.Key(path));
        }
        return error == 0;
    });
}

std::uint32_t FakePlatform::FormatMessageA(std::uint32_t flags, std::uint32_t messageId,
                                           std::uint32_t /*languageId*/, char* buffer,
                                           std::uint32_t size) {
    return Forward<std::uint32_t>("FormatMessageA", 0, [&](std::uint32_t& error) -> std::uint32_t {
        const auto found = files.messageTexts.find(messageId);
        if (!(flags & windows::FORMAT_MESSAGE_FROM_SYSTEM)) {
            error = windows::ERROR_INVALID_PARAMETER;
        } else if (found == files.messageTexts.end()) {
            error = windows::ERROR_MESSAGE_NOT_FOUND;
        } else if (buffer == nullptr || found->second.size() + 3 > size) {
            error = windows::ERROR_INSUFFICIENT_BUFFER;
        } else {
            const std::string text = found->second + "\r\n";  // as Windows ends its texts
            std::memcpy(buffer, text.c_str(), text.size() + 1);
            return static_cast<std::uint32_t>(text.size());
        }
        return 0;
    });
}

}  // namespace velkaris::fake

#include "services/file_reading.h"

#include <cstddef>
#include <limits>

#include "platform/win_values.h"
#include "text/utf8_utf16.h"

namespace velkaris {

bool FileIsPresent(Platform& platform, const std::string& path) {
    FindData found;
    const FindHandle search = platform.FindFirstFileW(Utf8ToUtf16(path), found);
    if (search == win::INVALID_HANDLE_VALUE) return false;
    platform.FindClose(search);
    // Any file counts, whatever its date: a file taken as absent would be
    // replaced without the labels it holds.
    return (found.attributes & win::FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Sharing read only: the label file is held open against writers meanwhile.
FileHandle OpenForReading(Platform& platform, const std::string& path) {
    return platform.CreateFileW(Utf8ToUtf16(path), win::GENERIC_READ, win::FILE_SHARE_READ,
                                win::OPEN_EXISTING, win::FILE_ATTRIBUTE_NORMAL);
}

std::int32_t SetFilePosition(Platform& platform, FileHandle file, std::int32_t offset,
                             std::int32_t origin) {
    const std::uint32_t position =
        platform.SetFilePointer(file, offset, static_cast<std::uint32_t>(origin));
    // Positions are signed 32-bit values here; one beyond that range is no
    // position a caller could use.
    if (position == win::INVALID_SET_FILE_POINTER ||
        position > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
        return -1;
    }
    return static_cast<std::int32_t>(position);
}

std::int32_t ReadBytes(Platform& platform, FileHandle file, char* buffer, std::int32_t count) {
    // A negative count would reach the platform as a huge unsigned one.
    if (count < 0 || (buffer == nullptr && count > 0)) return -1;
    std::uint32_t read = 0;
    if (!platform.ReadFile(file, buffer, static_cast<std::uint32_t>(count), read)) return -1;
    if (read > static_cast<std::uint32_t>(count)) return -1;
    return static_cast<std::int32_t>(read);
}

void CloseFileHandle(Platform& platform, FileHandle file) { platform.CloseHandle(file); }

std::string AbsolutePath(Platform& platform, const std::string& path) {
    const std::u16string wide = Utf8ToUtf16(path);
    std::u16string buffer(win::MAX_PATH, u'\0');
    std::uint32_t length = platform.GetFullPathNameW(
        wide, static_cast<std::uint32_t>(buffer.size()), buffer.data());
    if (length >= buffer.size()) {  // too small: length is the size it needs
        buffer.assign(length, u'\0');
        length = platform.GetFullPathNameW(wide, static_cast<std::uint32_t>(buffer.size()),
                                           buffer.data());
    }
    if (length == 0 || length >= buffer.size()) return path;
    buffer.resize(length);
    return Utf16ToUtf8(buffer);
}

}  // namespace velkaris

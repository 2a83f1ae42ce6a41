#include "support/shell.h"

#include <vector>

#include "platform/win_values.h"
#include "support/bounded_text.h"

namespace velkaris {

namespace {

// Windows-1250 is a single-byte code page: one UTF-16 unit per byte.
std::u16string Widen1250(Platform& platform, const std::string& text) {
    if (text.empty()) return std::u16string();
    std::u16string wide(text.size(), u'\0');
    const std::int32_t length = static_cast<std::int32_t>(text.size());
    const std::int32_t converted = platform.MultiByteToWideChar(
        win::CP_WINDOWS_1250, text.data(), length, &wide[0], length);
    wide.resize(converted > 0 ? static_cast<std::size_t>(converted) : 0);
    return wide;
}

}  // namespace

std::string GetUserFolder(Platform& platform, std::int32_t folder) {
    // Cleared, and the result checked, so a failed lookup gives an empty path
    // rather than whatever the buffer held.
    std::vector<char> buffer(win::MAX_PATH + 1, '\0');
    if (!platform.SHGetSpecialFolderPathA(buffer.data(), folder, false)) return std::string();
    buffer.back() = '\0';
    return BoundedFromBuffer(buffer.data(), static_cast<std::int32_t>(buffer.size()));
}

std::int32_t ShowMessageBox(Platform& platform, const std::string& text,
                            const std::string& caption, std::uint32_t style) {
    return platform.MessageBoxW(Widen1250(platform, text), Widen1250(platform, caption), style);
}

std::int32_t ShowSystemMessageBox(Platform& platform, const std::string& text,
                                  const std::string& caption, std::uint32_t style) {
    return platform.MessageBoxA(text, caption, style);
}

}  // namespace velkaris

#include "services/user_folder.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/win_values.h"
#include "text/utf8_utf16.h"

namespace velkaris {

namespace {

constexpr std::ptrdiff_t MAX_FOLDER_UNITS = 255;  // counted as Windows counts them

}  // namespace

std::string GetUserFolder(Platform& platform, std::int32_t folder) {
    // Cleared, and the result checked, so a failed lookup gives an empty path
    // rather than whatever the buffer held.
    std::vector<char16_t> buffer(win::MAX_PATH + 1, u'\0');
    if (!platform.SHGetSpecialFolderPathW(buffer.data(), folder, false)) return std::string();
    const auto end = std::find(buffer.begin(), buffer.begin() + MAX_FOLDER_UNITS, u'\0');
    return Utf16ToUtf8(
        std::u16string_view(buffer.data(), static_cast<std::size_t>(end - buffer.begin())));
}

}  // namespace velkaris

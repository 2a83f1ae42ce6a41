#include "services/user_folder.h"

#include <algorithm>
#include <vector>

#include "platform/win_values.h"
#include "text/bounded_text.h"
#include "text/utf8_utf16.h"

namespace velkaris {

std::string GetUserFolder(Platform& platform, std::int32_t folder) {
    // Cleared, and the result checked, so a failed lookup gives an empty path
    // rather than whatever the buffer held.
    std::vector<char16_t> buffer(win::MAX_PATH + 1, u'\0');
    if (!platform.SHGetSpecialFolderPathW(buffer.data(), folder, false)) return std::string();
    // At most 255 characters, counted as Windows counts them.
    const auto end = std::find(buffer.begin(), buffer.begin() + BOUNDED_TEXT_LIMIT, u'\0');
    return Utf16ToUtf8(
        std::u16string_view(buffer.data(), static_cast<std::size_t>(end - buffer.begin())));
}

}  // namespace velkaris

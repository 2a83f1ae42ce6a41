#include "services/user_folder.h"

#include <vector>

#include "platform/win_values.h"
#include "text/bounded_text.h"

namespace velkaris {

std::string GetUserFolder(Platform& platform, std::int32_t folder) {
    // Cleared, and the result checked, so a failed lookup gives an empty path
    // rather than whatever the buffer held.
    std::vector<char> buffer(win::MAX_PATH + 1, '\0');
    if (!platform.SHGetSpecialFolderPathA(buffer.data(), folder, false)) return std::string();
    buffer.back() = '\0';
    return BoundedFromBuffer(buffer.data(), static_cast<std::int32_t>(buffer.size()));
}

}  // namespace velkaris

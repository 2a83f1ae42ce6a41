#include "services/system_error_text.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "platform/win_values.h"
#include "text/utf8_utf16.h"

namespace velkaris {

std::string SystemErrorText(Platform& platform, std::uint32_t errorCode) {
    std::array<char16_t, 256> buffer{};
    const std::uint32_t length =
        platform.FormatMessageW(win::FORMAT_MESSAGE_SYSTEM_TEXT, errorCode, 0, buffer.data(),
                                static_cast<std::uint32_t>(buffer.size()));
    // The count excludes the terminating NUL; never trust it beyond the buffer.
    std::string text = Utf16ToUtf8(
        std::u16string_view(buffer.data(), std::min<std::size_t>(length, buffer.size() - 1)));
    while (!text.empty() &&
           (static_cast<unsigned char>(text.back()) <= 0x20 || text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

}  // namespace velkaris

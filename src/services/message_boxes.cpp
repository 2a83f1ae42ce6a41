#include "services/message_boxes.h"

#include <optional>

#include "platform/win_values.h"
#include "text/utf8_utf16.h"

namespace velkaris {

namespace {

// Windows-1250 is a single-byte code page: one UTF-16 unit per byte. Nothing when
// the conversion fails.
std::optional<std::u16string> Widen1250(Platform& platform, const std::string& text) {
    if (text.empty()) return std::u16string();
    std::u16string wide(text.size(), u'\0');
    const auto length = static_cast<std::int32_t>(text.size());
    const std::int32_t converted = platform.MultiByteToWideChar(
        win::CP_WINDOWS_1250, text.data(), length, &wide[0], length);
    if (converted <= 0) return std::nullopt;
    wide.resize(static_cast<std::size_t>(converted));
    return wide;
}

}  // namespace

std::int32_t ShowMessageBox(Platform& platform, const std::string& text,
                            const std::string& caption, std::uint32_t style) {
    const std::optional<std::u16string> wideText = Widen1250(platform, text);
    const std::optional<std::u16string> wideCaption = Widen1250(platform, caption);
    // An empty box would ask a question nobody can read: the bytes as they are read
    // right under a Polish code page and nearly right under any other.
    if (!wideText || !wideCaption) return platform.MessageBoxA(text, caption, style);
    return platform.MessageBoxW(*wideText, *wideCaption, style);
}

std::int32_t ShowSystemMessageBox(Platform& platform, const std::string& text,
                                  const std::string& caption, std::uint32_t style) {
    return platform.MessageBoxW(Utf8ToUtf16(text), Utf8ToUtf16(caption), style);
}

}  // namespace velkaris

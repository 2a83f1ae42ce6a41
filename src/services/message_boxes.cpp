#include "services/message_boxes.h"

namespace velkaris {

std::int32_t ShowMessageBox(Platform& platform, const std::u16string& text,
                            const std::u16string& caption, std::uint32_t style) {
    return platform.MessageBoxW(text, caption, style);
}

}  // namespace velkaris

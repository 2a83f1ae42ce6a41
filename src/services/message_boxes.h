#pragma once
// Message boxes, through the wide call: every letter shows as it is, whatever the
// system's code page.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

// A modal box with no owner; returns the button pressed, 0 when the box cannot be shown.
std::int32_t ShowMessageBox(Platform& platform, const std::u16string& text,
                            const std::u16string& caption, std::uint32_t style);

}  // namespace velkaris

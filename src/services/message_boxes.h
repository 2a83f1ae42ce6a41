#pragma once
// Message boxes: the installer's own Polish texts, and texts in UTF-8.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

// Shows Windows-1250 text in a modal box with no owner, whatever the system's code
// page; returns the button pressed, 0 when the box cannot be shown.
std::int32_t ShowMessageBox(Platform& platform, const std::string& text,
                            const std::string& caption, std::uint32_t style);

// Shows UTF-8 text, for texts that carry paths and system messages: every letter
// shows as it is, whatever the system's code page.
std::int32_t ShowSystemMessageBox(Platform& platform, const std::string& text,
                                  const std::string& caption, std::uint32_t style);

}  // namespace velkaris

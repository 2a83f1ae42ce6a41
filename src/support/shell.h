#pragma once
// The user's special folders and message boxes.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

// The folder's path, at most 255 characters, no trailing backslash. Empty when the
// shell cannot name the folder.
std::string GetUserFolder(Platform& platform, std::int32_t folder);

// Shows Windows-1250 text in a modal box with no owner; returns the button pressed,
// 0 when the box cannot be shown.
std::int32_t ShowMessageBox(Platform& platform, const std::string& text,
                            const std::string& caption, std::uint32_t style);

// Shows text in the system's own code page, for texts that carry paths and system
// messages.
std::int32_t ShowSystemMessageBox(Platform& platform, const std::string& text,
                                  const std::string& caption, std::uint32_t style);

}  // namespace velkaris

#pragma once
// The current user's special folders, as the shell names them.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

// The folder's path in UTF-8, at most 255 UTF-16 units, no trailing backslash.
// Empty when the shell cannot name the folder.
std::string GetUserFolder(Platform& platform, std::int32_t folder);

}  // namespace velkaris

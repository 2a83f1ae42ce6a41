#pragma once
// The current user's special folders, as the shell names them.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

// The folder's path, at most 255 characters, no trailing backslash. Empty when the
// shell cannot name the folder.
std::string GetUserFolder(Platform& platform, std::int32_t folder);

}  // namespace velkaris

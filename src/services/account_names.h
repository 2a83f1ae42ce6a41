#pragma once
// Who runs the program and where, for the log's first line.

#include <string>

#include "platform/platform.h"

namespace velkaris {

// The user's logon name and the computer's name, in UTF-8; "?" when Windows cannot say.
std::string UserName(Platform& platform);
std::string ComputerName(Platform& platform);

}  // namespace velkaris

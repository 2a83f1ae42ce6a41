#pragma once
// The platform's own wording for a Windows error code, in UTF-8, as the error
// messages quote it.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

// Empty when the platform has no text for the code. Trailing line breaks, spaces
// and periods are removed so that the text can stand inside a sentence.
std::string SystemErrorText(Platform& platform, std::uint32_t errorCode);

}  // namespace velkaris

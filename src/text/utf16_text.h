#pragma once
// UTF-16 little-endian bytes to UTF-8, every character kept.

#include <optional>
#include <string>
#include <string_view>

namespace velkaris {

// The units of bytes (no byte-order mark) as UTF-8; a lone final byte is a unit of
// its own with a zero high byte. Nothing when a surrogate has no partner: no UTF-8
// text stands for it.
std::optional<std::string> Utf16LeToUtf8(std::string_view bytes);

}  // namespace velkaris

#pragma once
// Texts of at most 255 characters, in which paths and catalogue entries are held.
// Conversions cut and never fail.

#include <cstdint>
#include <string>

namespace velkaris {

constexpr std::int32_t BOUNDED_TEXT_LIMIT = 255;

using BoundedText = std::string;

BoundedText BoundedFromBuffer(const char* buffer, std::int32_t limit);
BoundedText BoundedFromText(const std::string& text, std::int32_t limit);

}  // namespace velkaris

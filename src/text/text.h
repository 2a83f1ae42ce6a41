#pragma once
// Text primitives over single-byte texts that may hold NUL. Positions are 1-based
// and 0 means not found.

#include <cstdint>
#include <initializer_list>
#include <cstddef>
#include <string>
#include <string_view>

namespace velkaris {

// A-Z lowered, every other byte as it is: markup names are ASCII.
constexpr char LowerAsciiChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string LowerAscii(const std::string& text);
// Where needle first stands in text at or after from, 0-based; npos when nowhere.
// With ignoreCase the needle is given in lower case and matches A-Z as a-z.
std::size_t SearchText(std::string_view text, std::string_view needle, std::size_t from,
                       bool ignoreCase);
std::int32_t FindText(const std::string& needle, const std::string& text);
std::int32_t FindTextFrom(const std::string& needle, const std::string& text, std::int32_t offset);
// FindText of a lower-case needle in the lower-cased text, without lowering a copy.
std::int32_t FindTextIgnoringCase(const std::string& lowerNeedle, const std::string& text);
std::string CopyRange(const std::string& text, std::int32_t index, std::int32_t count);
std::string DecimalText(std::int32_t value);
std::string ConcatTexts(std::initializer_list<std::string> texts);

}  // namespace velkaris

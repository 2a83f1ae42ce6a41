#pragma once
// The program holds texts as UTF-8; Windows takes and gives them as UTF-16. Both
// ways keep every unit Windows can put in a name: a surrogate without its pair
// (legal in a Windows file name) stands in the UTF-8 as its own three-byte form
// (generalised UTF-8), so that a path read from Windows names the same file when
// it goes back.

#include <cstdint>
#include <string>
#include <string_view>

namespace velkaris {

// Each byte that starts no well-formed sequence (a stray continuation byte, an
// overlong form, a value past U+10FFFF, a cut sequence) becomes U+FFFD: never a
// look-alike of another character, such as an overlong backslash.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

constexpr bool IsHighSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(std::uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// One code point, up to U+10FFFF, appended to out as UTF-8.
void AppendUtf8(std::string& out, std::uint32_t c);

}  // namespace velkaris

#pragma once
// UTF-16 and UTF-32 bytes to UTF-8, every character kept, and how an XML file
// says which of them it is in.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velkaris {

enum class ByteOrder { LittleEndian, BigEndian };

// The units of bytes (no byte-order mark) as UTF-8. A lone final byte of a little-
// endian text is a unit of its own with a zero high byte; of a big-endian one it is
// half a character, and nothing is given. Nothing either when a surrogate has no
// partner: no UTF-8 text stands for it.
std::optional<std::string> DecodeUtf16(std::string_view bytes, ByteOrder order);

// Four bytes a character. Nothing for a count that is no multiple of four, or a
// value that is a surrogate or lies past U+10FFFF.
std::optional<std::string> DecodeUtf32(std::string_view bytes, ByteOrder order);

enum class XmlEncoding {
    Utf8,     // or any encoding that writes "<?xml" as ASCII, also with no mark at all
    Utf16Le,
    Utf16Be,
    Utf32Le,
    Utf32Be,
    Unknown,  // EBCDIC, or UCS-4 in an unusual byte order
};

struct DetectedEncoding {
    XmlEncoding encoding = XmlEncoding::Utf8;
    std::size_t markLength = 0;  // the byte-order mark's bytes, which are no text
};

// The encoding an XML file's first bytes show: a byte-order mark, or else the way
// its first characters "<?" (for UTF-32 its "<") are written.
DetectedEncoding DetectXmlEncoding(std::string_view bytes);

}  // namespace velkaris

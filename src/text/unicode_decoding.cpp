#include "text/unicode_decoding.h"

#include <cstdint>

#include "text/utf8_utf16.h"

namespace velkaris {

namespace {

// The value of the count bytes at i in the given order; bytes past the end read as 0.
std::uint32_t UnitAt(std::string_view bytes, std::size_t i, std::size_t count, ByteOrder order) {
    std::uint32_t unit = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t at = order == ByteOrder::LittleEndian ? i + count - 1 - k : i + k;
        const auto byte = at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0u;
        unit = (unit << 8) | byte;
    }
    return unit;
}

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::optional<std::string> DecodeUtf16(std::string_view bytes, ByteOrder order) {
    if (order == ByteOrder::BigEndian && bytes.size() % 2 != 0) return std::nullopt;
    std::string out;
    out.reserve(bytes.size() / 2 + bytes.size() / 4);  // Latin and Polish text: 1 to 2 bytes a unit
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const std::uint32_t unit = UnitAt(bytes, i, 2, order);
        if (IsLowSurrogate(unit)) return std::nullopt;
        if (!IsHighSurrogate(unit)) {
            AppendUtf8(out, unit);
            continue;
        }
        // A partner must follow as a whole unit: a lone final byte is not one.
        if (i + 3 >= bytes.size()) return std::nullopt;
        const std::uint32_t low = UnitAt(bytes, i + 2, 2, order);
        if (!IsLowSurrogate(low)) return std::nullopt;
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
    }
    return out;
}

std::optional<std::string> DecodeUtf32(std::string_view bytes, ByteOrder order) {
    if (bytes.size() % 4 != 0) return std::nullopt;
    std::string out;
    out.reserve(bytes.size() / 4 + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        const std::uint32_t c = UnitAt(bytes, i, 4, order);
        if (c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c)) return std::nullopt;
        AppendUtf8(out, c);
    }
    return out;
}

DetectedEncoding DetectXmlEncoding(std::string_view bytes) {
    using namespace std::string_view_literals;
    // Four-byte marks first: FF FE 00 00 is UTF-32's mark, not UTF-16's and a NUL.
    if (StartsWith(bytes, "\x00\x00\xFE\xFF"sv)) return {XmlEncoding::Utf32Be, 4};
    if (StartsWith(bytes, "\xFF\xFE\x00\x00"sv)) return {XmlEncoding::Utf32Le, 4};
    if (StartsWith(bytes, "\x00\x00\xFF\xFE"sv) || StartsWith(bytes, "\xFE\xFF\x00\x00"sv)) {
        return {XmlEncoding::Unknown, 0};
    }
    if (StartsWith(bytes, "\xFE\xFF"sv)) return {XmlEncoding::Utf16Be, 2};
    if (StartsWith(bytes, "\xFF\xFE"sv)) return {XmlEncoding::Utf16Le, 2};
    if (StartsWith(bytes, "\xEF\xBB\xBF"sv)) return {XmlEncoding::Utf8, 0};  // kept as it is
    if (StartsWith(bytes, "\x00\x00\x00\x3C"sv)) return {XmlEncoding::Utf32Be, 0};
    if (StartsWith(bytes, "\x3C\x00\x00\x00"sv)) return {XmlEncoding::Utf32Le, 0};
    if (StartsWith(bytes, "\x00\x00\x3C\x00"sv) || StartsWith(bytes, "\x00\x3C\x00\x00"sv)) {
        return {XmlEncoding::Unknown, 0};
    }
    if (StartsWith(bytes, "\x00\x3C\x00\x3F"sv)) return {XmlEncoding::Utf16Be, 0};
    if (StartsWith(bytes, "\x3C\x00\x3F\x00"sv)) return {XmlEncoding::Utf16Le, 0};
    if (StartsWith(bytes, "\x4C\x6F\xA7\x94"sv)) return {XmlEncoding::Unknown, 0};  // "<?xm" in EBCDIC
    return {XmlEncoding::Utf8, 0};
}

}  // namespace velkaris

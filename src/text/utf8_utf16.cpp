#include "text/utf8_utf16.h"

#include <cstddef>
#include <cstdint>

namespace velkaris {

namespace {

constexpr char16_t REPLACEMENT = u'\uFFFD';

// The code point of the sequence at text[i] and its length; length 0 when none
// is well-formed there.
std::uint32_t DecodeAt(std::string_view text, std::size_t i, std::size_t& length) {
    const auto byte = [&](std::size_t k) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(text[k]));
    };
    const std::uint32_t lead = byte(i);
    length = 0;
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    // Sequence length, the lead's payload and the least code point of that length.
    const std::size_t count = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    const std::uint32_t least = count == 4 ? 0x10000 : count == 3 ? 0x800 : 0x80;
    if (lead < 0xC0 || lead >= 0xF5) return 0;
    std::uint32_t c = lead & (0x7Fu >> count);
    if (text.size() - i < count) return 0;
    for (std::size_t k = 1; k < count; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    if (c < least || c > 0x10FFFF) return 0;
    length = count;
    return c;
}

}  // namespace

void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 0;
        const std::uint32_t c = DecodeAt(text, i, length);
        if (length == 0) {
            out += REPLACEMENT;
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);  // a surrogate's own form too, paired or not
        }
        i += length;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3 / 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        }
        AppendUtf8(out, c);  // a lone surrogate in its own three-byte form
    }
    return out;
}

}  // namespace velkaris

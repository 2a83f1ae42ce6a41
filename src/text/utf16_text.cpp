#include "text/utf16_text.h"

#include <cstddef>
#include <cstdint>

namespace velkaris {

namespace {

bool IsHighSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

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

}  // namespace

std::optional<std::string> Utf16LeToUtf8(std::string_view bytes) {
    const auto byteAt = [&](std::size_t i) {
        return i < bytes.size() ? static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]))
                                : 0u;
    };
    std::string out;
    out.reserve(bytes.size() / 2 + bytes.size() / 4);  // Latin and Polish text: 1 to 2 bytes a unit
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const std::uint32_t unit = byteAt(i) | (byteAt(i + 1) << 8);
        if (IsLowSurrogate(unit)) return std::nullopt;
        if (!IsHighSurrogate(unit)) {
            AppendUtf8(out, unit);
            continue;
        }
        // A partner must follow as a whole unit: a lone final byte is not one.
        if (i + 3 >= bytes.size()) return std::nullopt;
        const std::uint32_t low = byteAt(i + 2) | (byteAt(i + 3) << 8);
        if (!IsLowSurrogate(low)) return std::nullopt;
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
    }
    return out;
}

}  // namespace velkaris

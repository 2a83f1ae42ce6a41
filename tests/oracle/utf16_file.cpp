#include "oracle/utf16_file.h"

#include <cstddef>
#include <cstdint>

namespace velkaris {

std::string EncodedFile(const std::string& utf8, FileEncoding encoding, bool withoutMark) {
    const bool wide = encoding == FileEncoding::Utf32Le || encoding == FileEncoding::Utf32Be;
    const bool big = encoding == FileEncoding::Utf16Be || encoding == FileEncoding::Utf32Be;
    std::string bytes;
    const auto unit = [&](std::uint32_t u) {
        const int size = wide ? 4 : 2;
        for (int k = 0; k < size; ++k) {
            const int shift = 8 * (big ? size - 1 - k : k);
            bytes += static_cast<char>((u >> shift) & 0xFF);
        }
    };
    if (!withoutMark) unit(0xFEFF);
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::uint32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        i += length;
        if (c < 0x10000 || wide) {
            unit(c);
        } else {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

std::string Utf16LeFile(const std::string& utf8) { return EncodedFile(utf8, FileEncoding::Utf16Le); }

}  // namespace velkaris

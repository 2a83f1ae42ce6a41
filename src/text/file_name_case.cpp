#include "text/file_name_case.h"

namespace velkaris {

namespace {

char16_t Upper(char16_t c) {
    const auto minus = [c](int n) { return static_cast<char16_t>(c - n); };
    if (c >= u'a' && c <= u'z') return minus(32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return minus(32);  // Latin-1
    if (c == 0xFF) return 0x178;
    // Latin Extended-A pairs capital, small: odd small up to U+0137 and from U+014A
    // to U+0177, even small from U+0139 to U+0148 and from U+0179 to U+017E.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c % 2 == 1 ? minus(1) : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 == 0 ? minus(1) : c;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return minus(32);  // Greek
    if (c >= 0x430 && c <= 0x44F) return minus(32);                // Cyrillic
    if (c >= 0x450 && c <= 0x45F) return minus(80);
    return c;
}

}  // namespace

bool SameFileName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) return false;
    }
    return true;
}

}  // namespace velkaris

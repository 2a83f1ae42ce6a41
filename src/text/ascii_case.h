#pragma once
// ASCII letter case, in which markup names and encoding names are compared.

#include <string_view>

namespace velkaris {

// A-Z lowered, every other byte as it is.
constexpr char LowerAsciiChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAsciiChar(a[i]) != LowerAsciiChar(b[i])) return false;
    }
    return true;
}

}  // namespace velkaris

#pragma once
// A failed property ends the run with a message libFuzzer shows beside the input
// that caused it; abort() makes libFuzzer save that input as a crash.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace velkaris::fuzz {

[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "\nPROPERTY VIOLATED: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Check(bool holds, const std::string& what) {
    if (!holds) Fail(what);
}

// Bytes made readable for a message: printable ASCII as it is, the rest as \xNN.
inline std::string Visible(const std::string& text, std::size_t limit = 400) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    if (text.size() > limit) out += "...(" + std::to_string(text.size()) + " bytes)";
    return out;
}

// Where two texts first differ, with some text around that place from each.
inline std::string Difference(const std::string& expected, const std::string& actual) {
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    const std::size_t from = at > 60 ? at - 60 : 0;
    return "first difference at byte " + std::to_string(at) + "\n  expected: ..." +
           Visible(expected.substr(from, 160)) + "\n  actual:   ..." +
           Visible(actual.substr(from, 160));
}

}  // namespace velkaris::fuzz

#include "text/utf8_utf16.h"

#include <gtest/gtest.h>

#include <string>

namespace velkaris {
namespace {

// --- UTF-8 above the seam, UTF-16 at it ----------------------------------------

struct Utf8Utf16Case {
    std::string utf8;
    std::u16string utf16;
};

// What Windows may give, and its form here: both ways, unit for unit.
const Utf8Utf16Case BOTH_WAYS[] = {
    {"", u""},
    {"C:\\users\\Michał\\AppData", u"C:\\users\\Michał\\AppData"},
    {"Олеся 文字 𝄞", u"Олеся 文字 𝄞"},
    {"\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF",
     u"\x7F\x80\x7FF\x800\xFFFF\xD800\xDC00\xDBFF\xDFFF"},  // each length's ends
    {"a\xED\xA0\xB4", u"a\xD834"},                       // a high surrogate alone
    {"\xED\xB4\x9E" "b", u"\xDD1E" "b"},                  // a low one alone
    {"\xED\xB4\x9E\xED\xA0\xB4", u"\xDD1E\xD834"},     // low before high: no pair
};

TEST(Utf8Utf16, EveryUnitWindowsCanGiveGoesBackUnchanged) {
    for (const Utf8Utf16Case& c : BOTH_WAYS) {
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
    }
}

// Broken UTF-8: each byte that starts nothing well-formed is one U+FFFD.
const Utf8Utf16Case BROKEN[] = {
    {"a\xC1\x9C" "b", u"a\uFFFD\uFFFD" "b"},          // an overlong backslash
    {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},         // an overlong slash
    {"\x80x", u"\uFFFDx"},                             // a stray continuation byte
    {"x\xE2\x82", u"x\uFFFD\uFFFD"},                  // cut at the end
    {"\xE2\x82" "A", u"\uFFFD\uFFFD" "A"},            // cut by another character
    {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
    {"\xF8\x88", u"\uFFFD\uFFFD"},                     // no such lead byte
};

TEST(Utf8Utf16, BrokenUtf8NeverBecomesALookAlike) {
    for (const Utf8Utf16Case& c : BROKEN) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
}

}  // namespace
}  // namespace velkaris

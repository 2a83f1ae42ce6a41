#include "text/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "text/utf8_utf16.h"

namespace velkaris {
namespace {

using namespace std::string_literals;

TEST(FindText, EmptyNeedleIsNotFound) { EXPECT_EQ(FindText("", "abc"), 0); }

TEST(FindText, NeedleLongerThanTextIsNotFound) { EXPECT_EQ(FindText("abcd", "abc"), 0); }

TEST(FindText, FindsTheLastPossibleStart) { EXPECT_EQ(FindText("z", "xyz"), 3); }

TEST(FindText, LetterCaseCounts) { EXPECT_EQ(FindText("B", "abc"), 0); }

TEST(FindText, NulIsAnOrdinaryByte) { EXPECT_EQ(FindText("\0b"s, "a\0b"s), 2); }

TEST(FindTextFrom, SearchesAInBananaFromEachOffset) {
    EXPECT_EQ(FindTextFrom("a", "banana", 1), 2);
    EXPECT_EQ(FindTextFrom("a", "banana", 3), 4);
    EXPECT_EQ(FindTextFrom("a", "banana", 6), 6);
    EXPECT_EQ(FindTextFrom("a", "banana", 7), 0);
    EXPECT_EQ(FindTextFrom("a", "banana", 0), 2);
    EXPECT_EQ(FindTextFrom("a", "banana", -5), 2);
}

TEST(FindTextFrom, EmptyNeedleIsNotFoundFromAnyOffset) {
    EXPECT_EQ(FindTextFrom("", "banana", 1), 0);
    EXPECT_EQ(FindTextFrom("", "banana", 3), 0);
}

TEST(FindTextFrom, DoesNotWrapAround) { EXPECT_EQ(FindTextFrom("b", "banana", 2), 0); }

TEST(FindTextFrom, NeedleLongerThanTextIsNotFound) {
    EXPECT_EQ(FindTextFrom("banana!", "banana", 3), 0);
}

TEST(CopyRange, ClampsTheRange) {
    EXPECT_EQ(CopyRange("abcdef", 0, 2), "ab");
    EXPECT_EQ(CopyRange("abcdef", -3, 2), "ab");
    EXPECT_EQ(CopyRange("abcdef", 5, 10), "ef");
    EXPECT_EQ(CopyRange("abcdef", 7, 1), "");
    EXPECT_EQ(CopyRange("abcdef", 3, -1), "");
    EXPECT_EQ(CopyRange("abcdef", 3, 0), "");
    EXPECT_EQ(CopyRange("", 1, 3), "");
}

TEST(CopyRange, KeepsNulCharacters) { EXPECT_EQ(CopyRange("a\0b"s, 2, 2), "\0b"s); }

TEST(LowerAscii, LowersOnlyAToZ) {
    EXPECT_EQ(LowerAscii("AbZ@[`{"), "abz@[`{");
}

TEST(LowerAscii, KeepsAccentedCapitalsAndNulAndLength) {
    std::string accented;
    for (int byte = 0xC0; byte <= 0xDE; ++byte) accented += static_cast<char>(byte);
    const std::string text = "X\0Y"s + accented;
    const std::string lowered = LowerAscii(text);
    EXPECT_EQ(lowered.size(), text.size());
    EXPECT_EQ(lowered, "x\0y"s + accented);
}

TEST(DecimalText, WritesSignedDecimals) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(17), "17");
    EXPECT_EQ(DecimalText(-5), "-5");
    EXPECT_EQ(DecimalText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(DecimalText(std::numeric_limits<std::int32_t>::max()), "2147483647");
}

TEST(ConcatTexts, JoinsInArgumentOrder) {
    EXPECT_EQ(ConcatTexts({"a", "", "b\0"s, "c"}), "ab\0c"s);
}

}  // namespace
}  // namespace velkaris

namespace velkaris {
namespace {

TEST(FindTextIgnoringCaseTest, FindsALowerCaseNeedleInTextOfAnyCase) {
    EXPECT_EQ(FindTextIgnoringCase("velkaris     l-15", "x VELKARIS     L-15"), 3);
    EXPECT_EQ(FindTextIgnoringCase("</vendorproductset>", "</VendorProductSet>"), 1);
    EXPECT_EQ(FindTextIgnoringCase("ab", "aAB"), 2);
    EXPECT_EQ(FindTextIgnoringCase("ab", "a"), 0);
    EXPECT_EQ(FindTextIgnoringCase("", "abc"), 0);
    // Only A to Z fold: accented capitals stay apart from their small letters.
    EXPECT_EQ(FindTextIgnoringCase("\xB3", "\xA3"), 0);
}

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

#include "text/bounded_text.h"

#include <gtest/gtest.h>

#include <string>

namespace velkaris {
namespace {

using namespace std::string_literals;

TEST(BoundedFromText, CutsA300CharacterPathTo255) {
    const std::string path = "C:\\" + std::string(297, 'p');
    EXPECT_EQ(BoundedFromText(path, 255), path.substr(0, 255));
}

TEST(BoundedFromText, KeepsA255CharacterPathWhole) {
    const std::string path(255, 'p');
    EXPECT_EQ(BoundedFromText(path, 255), path);
}

TEST(BoundedFromText, KeepsNulCharacters) { EXPECT_EQ(BoundedFromText("a\0b"s, 255), "a\0b"s); }

TEST(BoundedFromText, EmptyTextGivesEmpty) { EXPECT_EQ(BoundedFromText("", 255), ""); }

TEST(BoundedFromText, LimitZeroGivesEmpty) {
    EXPECT_EQ(BoundedFromText("abc", 0), "");
    EXPECT_EQ(BoundedFromText("", 0), "");
}

TEST(BoundedFromText, NeverExceeds255WhateverTheLimit) {
    EXPECT_EQ(BoundedFromText(std::string(300, 'x'), 1000).size(), 255u);
    EXPECT_EQ(BoundedFromText("abc", -1), "");
}

TEST(BoundedFromBuffer, Limit261StopsAt255) {
    const std::string buffer(300, 'q');
    EXPECT_EQ(BoundedFromBuffer(buffer.c_str(), 261), std::string(255, 'q'));
}

TEST(BoundedFromBuffer, StopsAtTheFirstNul) {
    const char buffer[] = "C:\\Users\0junk";
    EXPECT_EQ(BoundedFromBuffer(buffer, 261), "C:\\Users");
}

TEST(BoundedFromBuffer, StopsAtASmallerLimit) { EXPECT_EQ(BoundedFromBuffer("abcdef", 3), "abc"); }

TEST(BoundedFromBuffer, LimitZeroReadsNothing) {
    EXPECT_EQ(BoundedFromBuffer("abc", 0), "");
    EXPECT_EQ(BoundedFromBuffer("abc", -1), "");
}

TEST(BoundedFromBuffer, EmptyBufferGivesEmpty) {
    EXPECT_EQ(BoundedFromBuffer("", 255), "");
    EXPECT_EQ(BoundedFromBuffer("", 0), "");
    EXPECT_EQ(BoundedFromBuffer(nullptr, 255), "");
}

}  // namespace
}  // namespace velkaris

#include "text/file_name_case.h"

#include <gtest/gtest.h>

namespace velkaris {
namespace {

TEST(SameFileNameTest, IgnoresTheCaseOfPolishGreekAndCyrillicLettersOnly) {
    EXPECT_TRUE(SameFileName(u"C:\\Users\\MICHAŁ\\ŻÓŁW ĄĆĘŃŚŹ.XML", u"c:\\users\\michał\\żółw ąćęńśź.xml"));
    EXPECT_TRUE(SameFileName(u"ОЛЕСЯ ЁЖ ΣΩ", u"олеся ёж σω"));
    EXPECT_FALSE(SameFileName(u"pg_custom.xml", u"pg_custom.xml.new"));
    EXPECT_FALSE(SameFileName(u"l z s", u"ł ż ś"));
}

}  // namespace
}  // namespace velkaris

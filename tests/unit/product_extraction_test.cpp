#include "labelfile/product_extraction.h"

#include <gtest/gtest.h>

#include <string>

#include "fake/fake_platform.h"
#include "support/exception.h"
#include "unit/label_file_test_support.h"

namespace velkaris {
namespace {

using namespace std::string_literals;
using label_file_testing::Crlf;
using label_file_testing::kLabelFilePath;
using label_file_testing::OwnProducts;
using label_file_testing::Utf16Le;
using label_file_testing::WordFile;

// The one item of the result; fails the test when there is not exactly one.
std::string Extracted(const std::string& fileText) {
    const LineList list = ExtractProductsFromText(fileText);
    EXPECT_EQ(list.ItemCount(), 1);
    return list.ItemCount() == 1 ? list.Item(0) : "<no item>";
}

// --- the cut ----------------------------------------------------------------------

TEST(ExtractProductsFromText, CutsFromTheFirstProductUpToTheVendorSetEndTag) {
    EXPECT_EQ(Extracted(WordFile(OwnProducts(5))), Crlf(OwnProducts(5)));
}

TEST(ExtractProductsFromText, KeepsTheFileLetterCaseOfMarkersItMatchedWithoutCase) {
    const std::string text =
        "<VPS><vendorProductSet>\r\n"
        "<PRODUCT UNITS=\"EMU\" productID=\"1\"><prodName>A</prodName></PRODUCT>\r\n"
        "<Product Units=\"Emu\" productID=\"2\"></Product>\r\n"
        "</VendorProductSet></VPS>\r\n";
    EXPECT_EQ(Extracted(text),
              "<PRODUCT UNITS=\"EMU\" productID=\"1\"><prodName>A</prodName></PRODUCT>\r\n"
              "<Product Units=\"Emu\" productID=\"2\"></Product>\r\n");
}

TEST(ExtractProductsFromText, TurnsLfAndCrLineBreaksIntoCrLf) {
    EXPECT_EQ(Extracted(WordFile(OwnProducts(3), "\n")), Crlf(OwnProducts(3)));
    EXPECT_EQ(Extracted(WordFile(OwnProducts(3), "\r")), Crlf(OwnProducts(3)));
    EXPECT_EQ(Extracted("<vps>\r<product units=\"emu\" a>\n\r<x/>\r\n</vendorProductSet>"),
              "<product units=\"emu\" a>\r\n\r\n<x/>\r\n");
}

TEST(ExtractProductsFromText, KeepsAStretchWithNoLineBreakBeforeTheEndTag) {
    EXPECT_EQ(Extracted("<vps><product units=\"emu\"/></vendorProductSet></vps>"),
              "<product units=\"emu\"/>");
}

TEST(ExtractProductsFromText, KeepsOnlyTheFirstVendorSetsProducts) {
    const std::string text = "<vps><vendorProductSets>\r\n<vendorProductSet vendor=\"A\">\r\n" +
                             Crlf(OwnProducts(2)) +
                             "</vendorProductSet>\r\n<vendorProductSet vendor=\"B\">\r\n"
                             "<product units=\"emu\" productID=\"9\"></product>\r\n"
                             "</vendorProductSet></vendorProductSets></vps>\r\n";
    EXPECT_EQ(Extracted(text), Crlf(OwnProducts(2)));
}

TEST(ExtractProductsFromText, GivesAnEmptyItemWhenOnlyTheSecondVendorSetHoldsEmuProducts) {
    const std::string text = "<vps><vendorProductSet vendor=\"A\">\r\n"
                             "<product units=\"cm\" productID=\"1\"></product>\r\n"
                             "</vendorProductSet>\r\n<vendorProductSet vendor=\"B\">\r\n"
                             "<product units=\"emu\" productID=\"2\"></product>\r\n"
                             "</vendorProductSet></vps>\r\n";
    EXPECT_EQ(Extracted(text), "");
}

TEST(ExtractProductsFromText, GivesAnEmptyItemWithoutEmuProducts) {
    EXPECT_EQ(Extracted("<vps><product units=\"cm\"></product></vendorProductSet></vps>"), "");
}

TEST(ExtractProductsFromText, GivesAnEmptyItemWithoutTheEndTag) {
    EXPECT_EQ(Extracted("<vps>\r\n<product units=\"emu\"></product>\r\n</vps>\r\n"), "");
}

TEST(ExtractProductsFromText, StopsTheTextAtTheFirstNul) {
    // The NUL hides the end tag, so nothing can be cut.
    EXPECT_EQ(Extracted("<product units=\"emu\"/>\0</vendorProductSet>"s), "");
}

TEST(ExtractProductsFromText, GivesNoItemForAnEmptyText) {
    EXPECT_EQ(ExtractProductsFromText("").ItemCount(), 0);
    EXPECT_EQ(ExtractProductsFromText("\0"s).ItemCount(), 0);
    EXPECT_EQ(ExtractProductsFromText("\0<product units=\"emu\"/></vendorProductSet>"s)
                  .ItemCount(),
              0);
}

TEST(ExtractProductsFromText, GivesAnEmptyItemForLineBreaksAlone) {
    EXPECT_EQ(Extracted("\r\n\r\n"), "");
}

// --- from the file --------------------------------------------------------------

class ExtractExistingProducts : public ::testing::Test {
protected:
    LineList FromFile(const std::string& bytes) {
        platform.files.WriteFileBytes(kLabelFilePath, bytes);
        LineList list = velkaris::ExtractExistingProducts(platform, kLabelFilePath);
        EXPECT_EQ(platform.files.OpenFileCount(), 0u);
        return list;
    }

    fake::FakePlatform platform;
};

TEST_F(ExtractExistingProducts, CutsTheProductsOfAUtf16File) {
    const LineList list = FromFile(Utf16Le(WordFile(OwnProducts(4))));
    ASSERT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(list.Item(0), Crlf(OwnProducts(4)));
}

TEST_F(ExtractExistingProducts, DropsAUtf8ByteOrderMarkWithTheDeclaration) {
    const LineList list = FromFile("\xEF\xBB\xBF" + WordFile(OwnProducts(2)));
    ASSERT_EQ(list.ItemCount(), 1);
    EXPECT_EQ(list.Item(0), Crlf(OwnProducts(2)));
}

TEST_F(ExtractExistingProducts, GivesNoItemForAnEmptyFile) {
    EXPECT_EQ(FromFile("").ItemCount(), 0);
}

TEST_F(ExtractExistingProducts, GivesNoItemForAByteOrderMarkAlone) {
    EXPECT_EQ(FromFile("\xFF\xFE").ItemCount(), 0);
}

TEST_F(ExtractExistingProducts, GivesNoItemForAUtf16FileOfANulCharacter) {
    EXPECT_EQ(FromFile("\xFF\xFE\x00\x00"s).ItemCount(), 0);
}

TEST(CountProductElementsTest, CountsProductTagsInAnyCaseAndUnitButNotLongerTagNames) {
    EXPECT_EQ(CountProductElements("<product units=\"emu\"><PRODUCT\tunits=\"cm\"><product>"), 3);
    EXPECT_EQ(CountProductElements("<productSet><products></product><prodName>"), 0);
    EXPECT_EQ(CountProductElements("<product"), 0);
}

TEST_F(ExtractExistingProducts, PassesOnTheOpenErrorOfAFileHeldOpen) {
    platform.files.WriteFileBytes(kLabelFilePath, WordFile(OwnProducts(1)));
    platform.files.HoldOpen(kLabelFilePath);
    EXPECT_THROW(velkaris::ExtractExistingProducts(platform, kLabelFilePath), EFOpenError);
}

}  // namespace
}  // namespace velkaris

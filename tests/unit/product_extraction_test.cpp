#include "label_file/product_extraction.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fake/fake_platform.h"
#include "text/errors.h"
#include "unit/label_file_test_support.h"

namespace velkaris {
namespace {

using namespace std::string_literals;
using label_file_testing::Crlf;
using label_file_testing::LABEL_FILE_PATH;
using label_file_testing::OwnProducts;
using label_file_testing::Utf16Le;
using label_file_testing::WordFile;

// The products cut from a label file of these bytes; "<nothing>" when its text is empty.
std::string Extracted(const std::string& fileBytes) {
    fake::FakePlatform platform;
    platform.files.WriteFileBytes(LABEL_FILE_PATH, fileBytes);
    const std::optional<ExistingProducts> products =
        ExtractExistingProducts(platform, LABEL_FILE_PATH);
    EXPECT_EQ(platform.files.OpenFileCount(), 0u);
    return products ? products->stretch : "<nothing>";
}

// --- the cut ----------------------------------------------------------------------

TEST(ExtractExistingProducts, CutsFromTheFirstProductUpToTheVendorSetEndTag) {
    EXPECT_EQ(Extracted(WordFile(OwnProducts(5))), Crlf(OwnProducts(5)));
}

TEST(ExtractExistingProducts, KeepsTheLetterCaseOfTheUnitsItMatchedWithoutCase) {
    const std::string text =
        "<vps><vendorProductSet>\r\n"
        "<product units=\"EMU\" productID=\"1\"><PRODUCT>A</PRODUCT></product>\r\n"
        "<product units='Emu' productID=\"2\"></product>\r\n"
        "</vendorProductSet></vps>\r\n";
    EXPECT_EQ(Extracted(text),
              "<product units=\"EMU\" productID=\"1\"><PRODUCT>A</PRODUCT></product>\r\n"
              "<product units='Emu' productID=\"2\"></product>\r\n");
}

TEST(ExtractExistingProducts, TurnsLfAndCrLineBreaksIntoCrLf) {
    EXPECT_EQ(Extracted(WordFile(OwnProducts(3), "\n")), Crlf(OwnProducts(3)));
    EXPECT_EQ(Extracted(WordFile(OwnProducts(3), "\r")), Crlf(OwnProducts(3)));
    EXPECT_EQ(Extracted("<vendorProductSet>\r<product units=\"emu\" a='\r'>\n\r<x/></product>\r\n</vendorProductSet>"),
              "<product units=\"emu\" a='\r\n'>\r\n\r\n<x/></product>\r\n");
}

TEST(ExtractExistingProducts, KeepsAStretchWithNoLineBreakBeforeTheEndTag) {
    EXPECT_EQ(Extracted("<vendorProductSet><product units=\"emu\"/></vendorProductSet>"),
              "<product units=\"emu\"/>");
}

TEST(ExtractExistingProducts, EndsTheCutAtTheFirstVendorSet) {
    const std::string text = "<vps><vendorProductSets>\r\n<vendorProductSet vendor=\"A\">\r\n" +
                             Crlf(OwnProducts(2)) +
                             "</vendorProductSet>\r\n<vendorProductSet vendor=\"B\">\r\n"
                             "</vendorProductSet></vendorProductSets></vps>\r\n";
    EXPECT_EQ(Extracted(text), Crlf(OwnProducts(2)));
}

TEST(ExtractExistingProducts, GivesNothingForAnEmptyText) {
    EXPECT_EQ(Extracted(""), "<nothing>");
    EXPECT_EQ(Extracted("\xFF\xFE"s), "<nothing>");
}

TEST(ExtractExistingProducts, GivesAnEmptyCutForLineBreaksAlone) {
    EXPECT_EQ(Extracted("\r\n\r\n"), "");
}

// --- from the file --------------------------------------------------------------

class ExtractExistingProductsTest : public ::testing::Test {
protected:
    std::optional<std::string> FromFile(const std::string& bytes) {
        platform.files.WriteFileBytes(LABEL_FILE_PATH, bytes);
        std::optional<ExistingProducts> products =
            velkaris::ExtractExistingProducts(platform, LABEL_FILE_PATH);
        EXPECT_EQ(platform.files.OpenFileCount(), 0u);
        if (!products) return std::nullopt;
        return products->stretch;
    }

    fake::FakePlatform platform;
};

TEST_F(ExtractExistingProductsTest, CutsTheProductsOfAUtf16File) {
    EXPECT_EQ(FromFile(Utf16Le(WordFile(OwnProducts(4)))), Crlf(OwnProducts(4)));
}

TEST_F(ExtractExistingProductsTest, DropsAUtf8ByteOrderMarkWithTheDeclaration) {
    EXPECT_EQ(FromFile("\xEF\xBB\xBF" + WordFile(OwnProducts(2))), Crlf(OwnProducts(2)));
}

TEST_F(ExtractExistingProductsTest, GivesNothingForAnEmptyFile) {
    EXPECT_EQ(FromFile(""), std::nullopt);
}

TEST_F(ExtractExistingProductsTest, GivesNothingForAByteOrderMarkAlone) {
    EXPECT_EQ(FromFile("\xFF\xFE"), std::nullopt);
}

TEST_F(ExtractExistingProductsTest, GivesNothingForAUtf16FileOfANulCharacter) {
    EXPECT_EQ(FromFile("\xFF\xFE\x00\x00"s), std::nullopt);
}

TEST_F(ExtractExistingProductsTest, PassesOnTheOpenErrorOfAFileHeldOpen) {
    platform.files.WriteFileBytes(LABEL_FILE_PATH, WordFile(OwnProducts(1)));
    platform.files.HoldOpen(LABEL_FILE_PATH);
    EXPECT_THROW(velkaris::ExtractExistingProducts(platform, LABEL_FILE_PATH), EFOpenError);
}

}  // namespace
}  // namespace velkaris

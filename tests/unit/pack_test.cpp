#include "catalogue/pack.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "xml/xml_parser.h"

namespace velkaris {
namespace {

std::string Hex(const std::string& bytes) {
    static const char DIGITS[] = "0123456789abcdef";
    std::string text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!text.empty()) text += ' ';
        text += DIGITS[b >> 4];
        text += DIGITS[b & 0xF];
    }
    return text;
}

// Word's own bytes for L-01, one record of each generation.
TEST(Pack, RecordsAreTheBytesWordStores) {
    const PackLabel* l01 = PackLabelNamed("Velkaris     L-01");
    ASSERT_NE(l01, nullptr);
    EXPECT_EQ(Hex(RecordBytes(*l01, RecordSet::Word80)),
              "ad 03 53 00 00 00 21 00 53 00 6b 08 00 00 b2 04 00 00 1b 02 00 00 37 02 00 00 "
              "6b 08 00 00 b2 04 00 00 05 00 0d 00 01 00 02 00 00 00");
    EXPECT_EQ(Hex(RecordBytes(*l01, RecordSet::Word100)),
              "4c 03 5c 00 00 00 6c 00 5d 00 6b 08 00 00 b2 04 00 00 1b 02 00 00 37 02 00 00 "
              "6b 08 00 00 b2 04 00 00 05 00 0d 00 01 00 02 00 00 00");
}

// A parser reads each row's product as one product named after its row, and the file
// lists them by label number.
TEST(Pack, EachRowWritesOneProductNamedAfterIt) {
    std::vector<std::string> order;
    for (const PackLabel* label : PackInFileOrder()) {
        SCOPED_TRACE(std::string(label->name));
        const std::string set = "<vendorProductSet>" + PackProductText(*label) + "</vendorProductSet>";
        EXPECT_EQ(xml::ParseError(set), "");
        const std::vector<xml::Product> products = xml::Products(set);
        ASSERT_EQ(products.size(), 1u);
        EXPECT_EQ(products[0].name, label->name);
        order.push_back(products[0].name.substr(products[0].name.size() - 2));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"01", "02", "03", "04", "05", "06", "07", "08", "09",
                                               "10", "11", "12", "13", "14", "15", "16", "17"}));
}

TEST(LabelFileFrame, HeaderOpensTheCustomVendorSet) {
    EXPECT_STREQ(LABEL_FILE_HEADER,
                 "<?xml version=\"1.0\"?><vps><vendorProductSets><vendorProductSet vendorID=\"0\" "
                 "vendor=\"Custom\" copyright=\"\" version=\"1\" schemaVersion=\"1\">");
    EXPECT_EQ(std::strlen(LABEL_FILE_HEADER), 135u);
}

TEST(LabelFileFrame, FooterClosesIt) {
    EXPECT_STREQ(LABEL_FILE_FOOTER, "</vendorProductSet></vendorProductSets></vps>");
    EXPECT_EQ(std::strlen(LABEL_FILE_FOOTER), 45u);
}

}  // namespace
}  // namespace velkaris

#include "catalogue/product_fragment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace velkaris {
namespace {

// The seven lines of one product, without their surrounding TABs.
const char* const TEMPLATES[7] = {
    "<product units=\"emu\" productID=\"{id}\" layoutGroup=\"all\" bindingEdge=\"none\" "
    "dotMatrixLabel=\"false\" fold=\"none\">",
    "<prodName nameGroup=\"custom\"><locName locale=\"all\">{name}</locName></prodName>",
    "<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>",
    "<masterPanel masterID=\"0\" height=\"{height}\" width=\"{width}\" shape=\"rect\" "
    "cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" "
    "centerContent=\"false\"></masterPanel>",
    "<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" "
    "isTwoSided=\"false\" printMirrored=\"false\">",
    "<sheetGrid numAcross=\"{across}\" numDown=\"{down}\" horizGap=\"{hgap}\" vertGap=\"{vgap}\" "
    "posX=\"{posx}\" posY=\"{posy}\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>",
    "</sheet></product>",
};

struct Product {
    const char* id;
    const char* code;
    const char* height;
    const char* width;
    const char* across;
    const char* down;
    const char* hgap;
    const char* vgap;
    const char* posx;
    const char* posy;
};

const Product PRODUCTS[17] = {
    {"1", "L-01", "763270", "1368425", "5", "13", "0", "0", "342265", "360045"},
    {"2", "L-02", "608330", "1739265", "4", "16", "0", "0", "288290", "431800"},
    {"3", "L-03", "914400", "1746250", "4", "10", "0", "0", "252095", "720090"},
    {"4", "L-04", "763270", "1890395", "4", "13", "0", "0", "0", "360045"},
    {"5", "L-05", "1062355", "1882775", "4", "10", "0", "0", "0", "0"},
    {"6", "L-06", "1422400", "2268220", "3", "7", "0", "0", "360045", "360045"},
    {"7", "L-07", "1216660", "2376170", "3", "8", "0", "0", "180340", "431800"},
    {"8", "L-08", "1296035", "2448560", "3", "8", "0", "0", "53975", "107950"},
    {"9", "L-09", "1692275", "2448560", "3", "6", "0", "36195", "53975", "219710"},
    {"10", "L-10", "1296035", "2520315", "3", "8", "0", "0", "0", "125730"},
    {"11", "L-11", "1216660", "3201035", "2", "8", "252095", "0", "431800", "431800"},
    {"12", "L-12", "1674495", "3201035", "2", "6", "252095", "0", "431800", "269875"},
    {"13", "L-13", "1522730", "3780790", "2", "7", "0", "0", "0", "0"},
    {"14", "L-14", "2664460", "3780790", "2", "4", "0", "0", "0", "0"},
    {"15", "L-15", "5328920", "3780790", "2", "2", "0", "0", "0", "0"},
    {"16", "L-16", "4986655", "6840855", "1", "2", "0", "0", "360045", "360045"},
    {"17", "L-17", "10689590", "7524750", "1", "1", "0", "0", "0", "0"},
};

std::string Fill(std::string text, const std::map<std::string, std::string>& values) {
    for (const auto& [key, value] : values) {
        const std::string placeholder = "{" + key + "}";
        for (auto at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder)) {
            text.replace(at, placeholder.size(), value);
        }
    }
    return text;
}

std::vector<std::string> ExpectedFragment() {
    std::vector<std::string> lines;
    for (const Product& p : PRODUCTS) {
        const std::map<std::string, std::string> values = {
            {"id", p.id},         {"name", std::string("Velkaris     ") + p.code},
            {"height", p.height}, {"width", p.width},
            {"across", p.across}, {"down", p.down},
            {"hgap", p.hgap},     {"vgap", p.vgap},
            {"posx", p.posx},     {"posy", p.posy}};
        std::vector<std::string> body;
        for (const char* t : TEMPLATES) body.push_back(Fill(t, values));
        const std::string id = p.id;
        if (id == "4") {
            body[4] += body[5];
            body.erase(body.begin() + 5);
        }
        if (id == "11") {
            body[1] += body[2];
            body.erase(body.begin() + 2);
        }
        for (const std::string& b : body) lines.push_back("\t" + b + "\t");
        if (id != "17") lines.push_back("\t\t");
    }
    return lines;
}

TEST(ProductFragment, MatchesTheTemplatesFilledFromTheProductTable) {
    const std::vector<std::string> expected = ExpectedFragment();
    ASSERT_EQ(expected.size(), 133u);
    ASSERT_EQ(PRODUCT_FRAGMENT.size(), 133u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(std::string(PRODUCT_FRAGMENT[i]), expected[i]) << "line " << i;
    }
}

TEST(ProductFragment, FirstLineOpensProductOne) {
    EXPECT_STREQ(PRODUCT_FRAGMENT[0],
                 "\t<product units=\"emu\" productID=\"1\" layoutGroup=\"all\" bindingEdge=\"none\" "
                 "dotMatrixLabel=\"false\" fold=\"none\">\t");
}

TEST(ProductFragment, LineSevenIsTheFirstSpacer) {
    EXPECT_STREQ(PRODUCT_FRAGMENT[7], "\t\t");
}

TEST(ProductFragment, LastLineClosesProductSeventeenWithoutSpacer) {
    EXPECT_STREQ(PRODUCT_FRAGMENT[132], "\t</sheet></product>\t");
}

TEST(ProductFragment, ProductFourJoinsSheetAndGridOnOneLine) {
    const std::string joined =
        "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" "
        "isTwoSided=\"false\" printMirrored=\"false\"><sheetGrid numAcross=\"4\" numDown=\"13\" "
        "horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"360045\" cellWidth=\"0\" "
        "cellHeight=\"0\"></sheetGrid>\t";
    // Products 1 to 3 take 8 lines each with their spacers; product 4's fifth line follows.
    EXPECT_EQ(std::string(PRODUCT_FRAGMENT[28]), joined);
    EXPECT_EQ(joined.size(), 248u);
}

TEST(ProductFragment, ProductIdsRunOneToSeventeenInOrder) {
    std::vector<int> ids;
    const std::string marker = "productID=\"";
    for (const char* line : PRODUCT_FRAGMENT) {
        const std::string text = line;
        const auto at = text.find(marker);
        if (at != std::string::npos) ids.push_back(std::stoi(text.substr(at + marker.size())));
    }
    std::vector<int> expected;
    for (int id = 1; id <= 17; ++id) expected.push_back(id);
    EXPECT_EQ(ids, expected);
}

TEST(ProductFragment, EveryLineIsShortPlainAscii) {
    for (const char* line : PRODUCT_FRAGMENT) {
        EXPECT_LE(std::strlen(line), 255u);
        for (const char* c = line; *c != '\0'; ++c) {
            EXPECT_TRUE(*c == '\t' || (*c >= 0x20 && *c < 0x7F)) << line;
        }
    }
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

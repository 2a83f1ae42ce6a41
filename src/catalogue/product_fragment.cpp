#include "catalogue/product_fragment.h"

#include <cstddef>
#include <string_view>

namespace velkaris {

const char* const LABEL_FILE_HEADER =
    "<?xml version=\"1.0\"?><vps><vendorProductSets><vendorProductSet vendorID=\"0\" "
    "vendor=\"Custom\" copyright=\"\" version=\"1\" schemaVersion=\"1\">";

const char* const LABEL_FILE_FOOTER = "</vendorProductSet></vendorProductSets></vps>";

namespace {

// The name lines are made while compiling from the one table of names, so the file
// cannot name a label otherwise than the registry and the search for it do.
constexpr std::string_view NAME_OPEN = "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">";
constexpr std::string_view NAME_CLOSE = "</locName></prodName>";
constexpr std::string_view JOINED_DESC =
    "<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>";
constexpr std::size_t NAME_LENGTH = 17;
constexpr std::size_t NAME_LINE_LENGTH =
    NAME_OPEN.size() + NAME_LENGTH + NAME_CLOSE.size() + JOINED_DESC.size() + 1;

struct NameLine {
    char text[NAME_LINE_LENGTH + 1] = {};
};

// L-11 (entry 15) carries its description on the same line.
constexpr NameLine MakeNameLine(std::size_t label) {
    NameLine line;
    std::size_t at = 0;
    const std::string_view name = LABEL_NAMES[label];
    if (name.size() != NAME_LENGTH) throw "every name has 17 characters";
    for (const std::string_view part :
         {NAME_OPEN, name, NAME_CLOSE, label == 15 ? JOINED_DESC : std::string_view(), std::string_view("\t")}) {
        for (const char c : part) line.text[at++] = c;
    }
    return line;
}

constexpr std::array<NameLine, LABEL_COUNT> NAME_LINES = {
    MakeNameLine(0),  MakeNameLine(1),  MakeNameLine(2),  MakeNameLine(3),  MakeNameLine(4),
    MakeNameLine(5),  MakeNameLine(6),  MakeNameLine(7),  MakeNameLine(8),  MakeNameLine(9),
    MakeNameLine(10), MakeNameLine(11), MakeNameLine(12), MakeNameLine(13), MakeNameLine(14),
    MakeNameLine(15), MakeNameLine(16),
};

}  // namespace

// L-04 and L-11 each carry two elements joined on one line, so they have six lines, not
// seven; the text is kept exactly as it stands.
const std::array<const char*, PRODUCT_FRAGMENT_LINES> PRODUCT_FRAGMENT = {
    // L-01
    "\t<product units=\"emu\" productID=\"1\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[5].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"763270\" width=\"1368425\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"5\" numDown=\"13\" horizGap=\"0\" vertGap=\"0\" posX=\"342265\" posY=\"360045\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-02
    "\t<product units=\"emu\" productID=\"2\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[6].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"608330\" width=\"1739265\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"4\" numDown=\"16\" horizGap=\"0\" vertGap=\"0\" posX=\"288290\" posY=\"431800\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-03
    "\t<product units=\"emu\" productID=\"3\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[7].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"914400\" width=\"1746250\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"4\" numDown=\"10\" horizGap=\"0\" vertGap=\"0\" posX=\"252095\" posY=\"720090\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-04
    "\t<product units=\"emu\" productID=\"4\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[9].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"763270\" width=\"1890395\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\"><sheetGrid numAcross=\"4\" numDown=\"13\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"360045\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-05
    "\t<product units=\"emu\" productID=\"5\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[8].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1062355\" width=\"1882775\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"4\" numDown=\"10\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"0\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-06
    "\t<product units=\"emu\" productID=\"6\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[10].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1422400\" width=\"2268220\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"3\" numDown=\"7\" horizGap=\"0\" vertGap=\"0\" posX=\"360045\" posY=\"360045\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-07
    "\t<product units=\"emu\" productID=\"7\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[11].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1216660\" width=\"2376170\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"3\" numDown=\"8\" horizGap=\"0\" vertGap=\"0\" posX=\"180340\" posY=\"431800\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-08
    "\t<product units=\"emu\" productID=\"8\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[12].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1296035\" width=\"2448560\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"3\" numDown=\"8\" horizGap=\"0\" vertGap=\"0\" posX=\"53975\" posY=\"107950\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-09
    "\t<product units=\"emu\" productID=\"9\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[13].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1692275\" width=\"2448560\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"3\" numDown=\"6\" horizGap=\"0\" vertGap=\"36195\" posX=\"53975\" posY=\"219710\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-10
    "\t<product units=\"emu\" productID=\"10\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[14].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1296035\" width=\"2520315\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"3\" numDown=\"8\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"125730\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-11
    "\t<product units=\"emu\" productID=\"11\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[15].text,
    "\t<masterPanel masterID=\"0\" height=\"1216660\" width=\"3201035\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"2\" numDown=\"8\" horizGap=\"252095\" vertGap=\"0\" posX=\"431800\" posY=\"431800\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-12
    "\t<product units=\"emu\" productID=\"12\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[16].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1674495\" width=\"3201035\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"2\" numDown=\"6\" horizGap=\"252095\" vertGap=\"0\" posX=\"431800\" posY=\"269875\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-13
    "\t<product units=\"emu\" productID=\"13\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[1].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1522730\" width=\"3780790\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"2\" numDown=\"7\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"0\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-14
    "\t<product units=\"emu\" productID=\"14\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[2].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"2664460\" width=\"3780790\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"2\" numDown=\"4\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"0\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-15
    "\t<product units=\"emu\" productID=\"15\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[0].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"5328920\" width=\"3780790\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"2\" numDown=\"2\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"0\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-16
    "\t<product units=\"emu\" productID=\"16\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[3].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"4986655\" width=\"6840855\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"1\" numDown=\"2\" horizGap=\"0\" vertGap=\"0\" posX=\"360045\" posY=\"360045\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-17
    "\t<product units=\"emu\" productID=\"17\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    NAME_LINES[4].text,
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"10689590\" width=\"7524750\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"1\" numDown=\"1\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"0\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
};

const std::array<PackProduct, LABEL_COUNT> PACK_PRODUCTS = {{
    {LABEL_NAMES[5], 0, 8},
    {LABEL_NAMES[6], 8, 8},
    {LABEL_NAMES[7], 16, 8},
    {LABEL_NAMES[9], 24, 7},
    {LABEL_NAMES[8], 31, 8},
    {LABEL_NAMES[10], 39, 8},
    {LABEL_NAMES[11], 47, 8},
    {LABEL_NAMES[12], 55, 8},
    {LABEL_NAMES[13], 63, 8},
    {LABEL_NAMES[14], 71, 8},
    {LABEL_NAMES[15], 79, 7},
    {LABEL_NAMES[16], 86, 8},
    {LABEL_NAMES[1], 94, 8},
    {LABEL_NAMES[2], 102, 8},
    {LABEL_NAMES[0], 110, 8},
    {LABEL_NAMES[3], 118, 8},
    {LABEL_NAMES[4], 126, 7},
}};

const PackProduct* PackProductNamed(std::string_view name) {
    for (const PackProduct& product : PACK_PRODUCTS) {
        if (product.name == name) return &product;
    }
    return nullptr;
}

std::string PackProductText(const PackProduct& product) {
    std::string text;
    for (int line = product.firstLine; line < product.firstLine + product.lineCount; ++line) {
        text += PRODUCT_FRAGMENT[static_cast<std::size_t>(line)];
        text += "\r\n";
    }
    return text;
}

}  // namespace velkaris

#include "catalogue/product_fragment.h"

namespace velkaris {

const char* const LABEL_FILE_HEADER =
    "<?xml version=\"1.0\"?><vps><vendorProductSets><vendorProductSet vendorID=\"0\" "
    "vendor=\"Custom\" copyright=\"\" version=\"1\" schemaVersion=\"1\">";

const char* const LABEL_FILE_FOOTER = "</vendorProductSet></vendorProductSets></vps>";

// L-04 and L-11 each carry two elements joined on one line, so they have six lines, not
// seven; the text is kept exactly as it stands.
const std::array<const char*, PRODUCT_FRAGMENT_LINES> PRODUCT_FRAGMENT = {
    // L-01
    "\t<product units=\"emu\" productID=\"1\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-01</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"763270\" width=\"1368425\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"5\" numDown=\"13\" horizGap=\"0\" vertGap=\"0\" posX=\"342265\" posY=\"360045\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-02
    "\t<product units=\"emu\" productID=\"2\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-02</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"608330\" width=\"1739265\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"4\" numDown=\"16\" horizGap=\"0\" vertGap=\"0\" posX=\"288290\" posY=\"431800\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-03
    "\t<product units=\"emu\" productID=\"3\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-03</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"914400\" width=\"1746250\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"4\" numDown=\"10\" horizGap=\"0\" vertGap=\"0\" posX=\"252095\" posY=\"720090\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-04
    "\t<product units=\"emu\" productID=\"4\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-04</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"763270\" width=\"1890395\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\"><sheetGrid numAcross=\"4\" numDown=\"13\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"360045\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-05
    "\t<product units=\"emu\" productID=\"5\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-05</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1062355\" width=\"1882775\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"4\" numDown=\"10\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"0\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-06
    "\t<product units=\"emu\" productID=\"6\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-06</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1422400\" width=\"2268220\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"3\" numDown=\"7\" horizGap=\"0\" vertGap=\"0\" posX=\"360045\" posY=\"360045\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-07
    "\t<product units=\"emu\" productID=\"7\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-07</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1216660\" width=\"2376170\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"3\" numDown=\"8\" horizGap=\"0\" vertGap=\"0\" posX=\"180340\" posY=\"431800\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-08
    "\t<product units=\"emu\" productID=\"8\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-08</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1296035\" width=\"2448560\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"3\" numDown=\"8\" horizGap=\"0\" vertGap=\"0\" posX=\"53975\" posY=\"107950\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-09
    "\t<product units=\"emu\" productID=\"9\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-09</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1692275\" width=\"2448560\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"3\" numDown=\"6\" horizGap=\"0\" vertGap=\"36195\" posX=\"53975\" posY=\"219710\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-10
    "\t<product units=\"emu\" productID=\"10\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-10</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1296035\" width=\"2520315\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"3\" numDown=\"8\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"125730\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-11
    "\t<product units=\"emu\" productID=\"11\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-11</locName></prodName><desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1216660\" width=\"3201035\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"2\" numDown=\"8\" horizGap=\"252095\" vertGap=\"0\" posX=\"431800\" posY=\"431800\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-12
    "\t<product units=\"emu\" productID=\"12\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-12</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1674495\" width=\"3201035\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"2\" numDown=\"6\" horizGap=\"252095\" vertGap=\"0\" posX=\"431800\" posY=\"269875\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-13
    "\t<product units=\"emu\" productID=\"13\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-13</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"1522730\" width=\"3780790\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"2\" numDown=\"7\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"0\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-14
    "\t<product units=\"emu\" productID=\"14\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-14</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"2664460\" width=\"3780790\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"2\" numDown=\"4\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"0\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-15
    "\t<product units=\"emu\" productID=\"15\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-15</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"5328920\" width=\"3780790\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"2\" numDown=\"2\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"0\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-16
    "\t<product units=\"emu\" productID=\"16\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-16</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"4986655\" width=\"6840855\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"1\" numDown=\"2\" horizGap=\"0\" vertGap=\"0\" posX=\"360045\" posY=\"360045\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
    "\t\t",
    // L-17
    "\t<product units=\"emu\" productID=\"17\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">\t",
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     L-17</locName></prodName>\t",
    "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>\t",
    "\t<masterPanel masterID=\"0\" height=\"10689590\" width=\"7524750\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t",
    "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t",
    "\t<sheetGrid numAcross=\"1\" numDown=\"1\" horizGap=\"0\" vertGap=\"0\" posX=\"0\" posY=\"0\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t",
    "\t</sheet></product>\t",
};

}  // namespace velkaris

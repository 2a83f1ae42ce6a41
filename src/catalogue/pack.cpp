#include "catalogue/pack.h"

#include <algorithm>

namespace velkaris {

// Each record set is kept exactly as taken, never derived from the other; they
// disagree in several rows.
const std::array<PackLabel, LABEL_COUNT> PACK = {{
    // name                   Word 8.0 and 9.0 record (twips)              Word 10.0 and 11.0 record (twips)
    //                        width height left   top hpitch vpitch acr down
    //                        label file (EMU): height width across down hgap vgap posX posY
    {"Velkaris     L-15", { 5954,  8392,   0,    0,  5954,  8392, 2,  2}, { 5954,  8392,   0,    0,  5954,  8392, 2,  2},
     {5328920, 3780790, 2, 2, 0, 0, 0, 0}, Joined::None},
    {"Velkaris     L-13", { 5954,  2398,   0,    0,  5954,  2398, 2,  7}, { 5954,  2398,   0,    0,  5954,  2398, 2,  7},
     {1522730, 3780790, 2, 7, 0, 0, 0, 0}, Joined::None},
    {"Velkaris     L-14", { 5954,  4196,   0,    0,  5954,  4196, 2,  4}, { 5954,  4196,   0,    0,  5954,  4196, 2,  4},
     {2664460, 3780790, 2, 4, 0, 0, 0, 0}, Joined::None},
    {"Velkaris     L-16", {11907,  8420,   0,    0, 11907,  8420, 1,  2}, {10773,  7853, 567,  567, 11907,  7853, 1,  2},
     {4986655, 6840855, 1, 2, 0, 0, 360045, 360045}, Joined::None},
    {"Velkaris     L-17", {11901, 16839,   0,    0, 11907, 16839, 1,  1}, {11850, 16834,   0,    0, 11907, 16834, 1,  1},
     {10689590, 7524750, 1, 1, 0, 0, 0, 0}, Joined::None},
    {"Velkaris     L-01", { 2155,  1202, 539,  567,  2155,  1202, 5, 13}, { 2155,  1202, 539,  567,  2155,  1202, 5, 13},
     {763270, 1368425, 5, 13, 0, 0, 342265, 360045}, Joined::None},
    {"Velkaris     L-02", { 2739,   958, 454,  680,  2739,   958, 4, 16}, { 2739,   958, 454,  680,  2739,   958, 4, 16},
     {608330, 1739265, 4, 16, 0, 0, 288290, 431800}, Joined::None},
    {"Velkaris     L-03", { 2750,  1440, 397, 1134,  2750,  1440, 4, 10}, { 2750,  1440, 397, 1134,  2750,  1440, 4, 10},
     {914400, 1746250, 4, 10, 0, 0, 252095, 720090}, Joined::None},
    {"Velkaris     L-05", { 2963,  1673,   0,    0,  2963,  1673, 4, 10}, { 2963,  1673,   0,    0,  2965,  1673, 4, 10},
     {1062355, 1882775, 4, 10, 0, 0, 0, 0}, Joined::None},
    {"Velkaris     L-04", { 2977,  1202,   0,  567,  2977,  1202, 4, 13}, { 2977,  1202,   0,  567,  2977,  1202, 4, 13},
     {763270, 1890395, 4, 13, 0, 0, 0, 360045}, Joined::SheetWithGrid},
    {"Velkaris     L-06", { 3572,  2240, 567,  510,  3572,  2240, 3,  7}, { 3572,  2240, 567,  567,  3572,  2240, 3,  7},
     {1422400, 2268220, 3, 7, 0, 0, 360045, 360045}, Joined::None},
    {"Velkaris     L-07", { 3742,  1916, 284,  680,  3742,  1916, 3,  8}, { 3742,  1917, 284,  680,  3742,  1917, 3,  8},
     {1216660, 2376170, 3, 8, 0, 0, 180340, 431800}, Joined::None},
    {"Velkaris     L-08", { 3856,  2041,  85,  170,  3912,  2041, 2,  2}, { 3856,  2041,  85,  170,  3856,  2041, 3,  8},
     {1296035, 2448560, 3, 8, 0, 0, 53975, 107950}, Joined::None},
    {"Velkaris     L-09", { 3856,  2665,  85,  346,  3856,  2722, 3,  6}, { 3856,  2665,  85,  346,  3856,  2722, 3,  6},
     {1692275, 2448560, 3, 6, 0, 36195, 53975, 219710}, Joined::None},
    {"Velkaris     L-10", { 3969,  2041,   0,  198,  3969,  2041, 3,  8}, { 3969,  2041,   0,  199,  3969,  2041, 3,  8},
     {1296035, 2520315, 3, 8, 0, 0, 0, 125730}, Joined::None},
    {"Velkaris     L-11", { 5041,  1916, 680,  680,  5438,  1916, 2,  8}, { 5041,  1917, 680,  680,  5438,  1917, 2,  8},
     {1216660, 3201035, 2, 8, 252095, 0, 431800, 431800}, Joined::NameWithDescription},
    {"Velkaris     L-12", { 5041,  2637, 680,  425,  5438,  2637, 2,  6}, { 5041,  2637, 680,  425,  5438,  2637, 2,  6},
     {1674495, 3201035, 2, 6, 252095, 0, 431800, 269875}, Joined::None},
}};

const std::array<const PackLabel*, LABEL_COUNT>& PackInFileOrder() {
    static const std::array<const PackLabel*, LABEL_COUNT> order = [] {
        std::array<const PackLabel*, LABEL_COUNT> labels{};
        for (std::size_t i = 0; i < PACK.size(); ++i) labels[i] = &PACK[i];
        // The names differ only in their two-digit numbers.
        std::sort(labels.begin(), labels.end(),
                  [](const PackLabel* a, const PackLabel* b) { return a->name < b->name; });
        return labels;
    }();
    return order;
}

const PackLabel* PackLabelNamed(std::string_view name) {
    for (const PackLabel& label : PACK) {
        if (label.name == name) return &label;
    }
    return nullptr;
}

namespace {

// Each Word generation wrote its own header before the geometry, and the same trailer.
constexpr std::array<std::uint16_t, 5> HEADER80 = {941, 83, 0, 33, 83};
constexpr std::array<std::uint16_t, 5> HEADER100 = {844, 92, 0, 108, 93};
constexpr std::array<std::uint16_t, 3> TRAILER = {1, 2, 0};

void Put16(std::string& bytes, std::uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

void Put32(std::string& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
}

}  // namespace

std::string RecordBytes(const PackLabel& label, RecordSet set) {
    const RecordGeometry& record = set == RecordSet::Word80 ? label.word80 : label.word100;
    std::string bytes;
    bytes.reserve(LEGACY_RECORD_SIZE);
    for (std::uint16_t word : set == RecordSet::Word80 ? HEADER80 : HEADER100) Put16(bytes, word);
    // Signed fields go out as their two's-complement bit patterns.
    for (std::int32_t field : {record.width, record.height, record.left, record.top,
                               record.horizPitch, record.vertPitch}) {
        Put32(bytes, static_cast<std::uint32_t>(field));
    }
    Put16(bytes, static_cast<std::uint16_t>(record.across));
    Put16(bytes, static_cast<std::uint16_t>(record.down));
    for (std::uint16_t word : TRAILER) Put16(bytes, word);
    return bytes;
}

const char* const LABEL_FILE_HEADER =
    "<?xml version=\"1.0\"?><vps><vendorProductSets><vendorProductSet vendorID=\"0\" "
    "vendor=\"Custom\" copyright=\"\" version=\"1\" schemaVersion=\"1\">";

const char* const LABEL_FILE_FOOTER = "</vendorProductSet></vendorProductSets></vps>";

namespace {

std::string Attribute(const char* name, std::int64_t value) {
    return std::string(" ") + name + "=\"" + std::to_string(value) + "\"";
}

}  // namespace

// The lines are laid out as Word 2007 wrote them: a tab before and after each, on an A4
// sheet, the ids placeholders that every install renumbers.
std::string PackProductText(const PackLabel& label) {
    const auto& order = PackInFileOrder();
    const auto place = static_cast<std::size_t>(std::find(order.begin(), order.end(), &label) - order.begin());
    const std::string end = "\t\r\n";
    const std::string description =
        "<desc descGroup=\"custom\"><locDesc locale=\"all\">Niestandardowa laserowa</locDesc></desc>";
    const SheetGrid& grid = label.file;
    const std::string gridElement = "<sheetGrid" + Attribute("numAcross", grid.across) +
                                    Attribute("numDown", grid.down) + Attribute("horizGap", grid.horizGap) +
                                    Attribute("vertGap", grid.vertGap) + Attribute("posX", grid.posX) +
                                    Attribute("posY", grid.posY) +
                                    " cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>";
    const bool nameJoined = label.joined == Joined::NameWithDescription;
    const bool gridJoined = label.joined == Joined::SheetWithGrid;

    std::string text = "\t<product units=\"emu\"" + Attribute("productID", static_cast<std::int64_t>(place + 1)) +
                       " layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">" + end;
    text += "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">" + std::string(label.name) +
            "</locName></prodName>" + (nameJoined ? description : "") + end;
    if (!nameJoined) text += "\t" + description + end;
    text += "\t<masterPanel masterID=\"0\"" + Attribute("height", grid.height) + Attribute("width", grid.width) +
            " shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" "
            "rightMargin=\"0\" centerContent=\"false\"></masterPanel>" + end;
    text += "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" bgColor=\"\" "
            "isTwoSided=\"false\" printMirrored=\"false\">" + (gridJoined ? gridElement : "") + end;
    if (!gridJoined) text += "\t" + gridElement + end;
    text += "\t</sheet></product>" + end;
    if (place + 1 < order.size()) text += "\t" + end;
    return text;
}

}  // namespace velkaris

#include "label_file/label_file_removal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "text/errors.h"
#include "unit/label_file_test_support.h"
#include "xml/xml_parser.h"

namespace velkaris {
namespace {

using namespace label_file_testing;
using Lines = std::vector<std::string>;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The pack as Word may save it again: each product on one line, indented, no TABs,
// empty elements closed in their start tags, the id as the first attribute and a
// name written with a character reference.
Lines WordLayout(const Lines& pack) {
    Lines lines;
    for (std::string line : pack) {
        line = Replaced(line, "\t", "");
        if (line.empty()) continue;
        if (line.rfind("<product ", 0) == 0) {
            const std::size_t id = line.find(" productID=");
            const std::size_t end = line.find('"', line.find('"', id) + 1) + 1;
            line = "<product" + line.substr(id, end - id) + " units=\"emu\"" + line.substr(end);
            lines.push_back("  ");
        }
        line = Replaced(Replaced(line, "></masterPanel>", "/>"), "></sheetGrid>", "/>");
        lines.back() += Replaced(line, "Velkaris     L-", "Velkaris &#32;   L-");
    }
    return lines;
}

const Lines OWN = OwnProducts(2);

Lines WithL03Edited(Lines lines) {
    for (std::string& line : lines) line = Replaced(line, "width=\"1746250\"", "width=\"1746000\"");
    return lines;
}

// The label file before and after the removal; an empty after: not rewritten.
struct Case {
    const char* what;
    std::string before;
    std::string after;
    std::int32_t removed;
    Lines kept;
};

TEST(LabelFileRemovalTest, TakesOutOnlyThePacksProductsAsInstalledAndKeepsEveryOtherByte) {
    const Case cases[] = {
        {"the pack after the user's products, as the install writes them",
         Crlf(Concat({{HEADER_LINE}, OWN, EmptyLines(2), PackLines(3), {FOOTER_LINE}})),
         Crlf(Concat({{HEADER_LINE}, OWN, EmptyLines(2), {FOOTER_LINE}})), 17, {}},
        {"one product of the pack edited by the user",
         Crlf(Concat({{HEADER_LINE}, OWN, EmptyLines(2), WithL03Edited(PackLines(3)), {FOOTER_LINE}})),
         Crlf(Concat({{HEADER_LINE}, OWN, EmptyLines(2), WithL03Edited(PackLines(5, {3})), {FOOTER_LINE}})),
         16, {"Velkaris     L-03"}},
        {"saved again by Word in its own layout, in UTF-16",
         Utf16Le(Replaced(WordFile(Concat({OWN, WordLayout(PackLines(3))})), "?>",
                          " encoding=\"UTF-16\"?>")),
         Replaced(WordFile(OWN), "?>", " encoding=\"utf-8\"?>"), 17, {}},
        {"a product of the user's own named like one of the pack",
         WordFile(Concat({OWN, {Replaced(OWN[0], "Moje etykiety 1", "Velkaris     L-01"), OWN[1]}})), "", 0,
         {"Velkaris     L-01"}},
        {"the pack's names only in a longer name, a comment or a second vendor set",
         Replaced(WordFile(Concat({{Replaced(OWN[0], "Moje etykiety 1", "Velkaris     L-01 moje"), OWN[1],
                                    "<!-- Velkaris     L-02 -->"}})),
                  "</vendorProductSet>",
                  "</vendorProductSet><vendorProductSet>" + Crlf(PackLines(1, {2})) + "</vendorProductSet>"),
         "", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake::FakePlatform fake;
        fake.files.WriteFileBytes(LABEL_FILE_PATH, c.before);
        const LabelFileRemovalResult result = RemovePackFromLabelFile(fake, APP_DATA_FOLDER);
        EXPECT_TRUE(result.present);
        EXPECT_EQ(result.removed, c.removed);
        EXPECT_EQ(result.kept, c.kept);
        const std::string saved = fake.files.ReadFileBytes(LABEL_FILE_PATH);
        EXPECT_EQ(saved, c.after.empty() ? c.before : c.after);
        EXPECT_EQ(fake.CallCount("MoveFileExW"), c.after.empty() ? 0 : 1);
        EXPECT_EQ(xml::ParseError(saved), "");
    }
}

}  // namespace
}  // namespace velkaris

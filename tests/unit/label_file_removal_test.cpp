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

// Product L-01 as Word may save it again: on one line, indented, its attributes in
// another order and another id, empty elements closed in their start tags, a reference in its name.
std::string WordLayout() {
    std::string line = "  " + Replaced(Replaced(Crlf(PackLines(1, {1})), "\t", ""), "\r\n", "");
    line = Replaced(line, "<product units=\"emu\" productID=\"1\" layoutGroup=\"all\"",
                    "<product productID=\"9\" layoutGroup=\"all\" units=\"emu\"");
    line = Replaced(Replaced(line, "></masterPanel>", "/>"), "></sheetGrid>", "/>");
    return Replaced(line, "Velkaris     L-", "Velkaris &#32;   L-");
}

const Lines OWN = OwnProducts(2);

// The label file before and after the removal; an empty after: not rewritten. The
// pack as installed, whole or with a product edited, is the Wine scenarios' round trip.
struct Case {
    const char* what;
    std::string before;
    std::string after;
    std::int32_t removed;
    Lines kept;
};

TEST(LabelFileRemovalTest, TakesOutOnlyThePacksProductsAsInstalledAndKeepsEveryOtherByte) {
    const Case cases[] = {
        {"saved again by Word in its own layout, in UTF-16",
         Utf16Le(Replaced(WordFile(Concat({OWN, {WordLayout()}})), "?>", " encoding=\"UTF-16\"?>")),
         Replaced(WordFile(OWN), "?>", " encoding=\"utf-8\"?>"), 1, {}},
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

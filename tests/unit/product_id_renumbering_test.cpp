#include "label_file/product_id_renumbering.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "catalogue/product_fragment.h"
#include "oracle/line_list.h"
#include "oracle/renumbering_oracle.h"

namespace velkaris {
namespace {

LineList ListOf(const std::vector<std::string>& items) {
    LineList list;
    for (const std::string& item : items) {
        list.AddItem(item);
    }
    return list;
}

std::vector<std::string> ItemsOf(const LineList& list) {
    std::vector<std::string> items;
    for (std::int32_t i = 0; i < list.ItemCount(); ++i) {
        items.push_back(list.Item(i));
    }
    return items;
}

std::vector<std::string> Renumbered(const std::vector<std::string>& items) {
    LineList list = ListOf(items);
    RenumberProductIds(list);
    return ItemsOf(list);
}

using Lines = std::vector<std::string>;

TEST(RenumberProductIds, NumbersIdsInTextOrderFromOne) {
    EXPECT_EQ(Renumbered({"<product productID=\"7\">", "<product productID=\"3\">",
                          "<product productID=\"12\">"}),
              (Lines{"<product productID=\"1\">", "<product productID=\"2\">",
                     "<product productID=\"3\">"}));
}

TEST(RenumberProductIds, NumbersSeveralIdsOnOneLine) {
    EXPECT_EQ(Renumbered({"productID=\"40\" productID=\"\"productID=\"x\""}),
              (Lines{"productID=\"1\" productID=\"2\"productID=\"3\""}));
}

TEST(RenumberProductIds, GivesAnEmptyValueItsNumber) {
    EXPECT_EQ(Renumbered({"a productID=\"\" b"}), (Lines{"a productID=\"1\" b"}));
}

TEST(RenumberProductIds, LeavesThePackAloneUnchanged) {
    LineList list;
    list.AddItem(LABEL_FILE_HEADER);
    for (const char* line : PRODUCT_FRAGMENT) {
        list.AddItem(line);
    }
    list.AddItem(LABEL_FILE_FOOTER);
    const std::vector<std::string> before = ItemsOf(list);

    RenumberProductIds(list);

    EXPECT_EQ(ItemsOf(list), before);
}

TEST(RenumberProductIds, ContinuesTheCountAfterExistingProducts) {
    LineList list;
    list.AddItem("<product productID=\"9\"/>\r\n<product productID=\"4\"/>\r\n");
    for (const char* line : PRODUCT_FRAGMENT) {
        list.AddItem(line);
    }
    RenumberProductIds(list);

    std::vector<std::string> ids;
    const std::string text = list.WholeText();
    for (std::size_t at = text.find("productID=\""); at != std::string::npos;
         at = text.find("productID=\"", at + 1)) {
        const std::size_t start = at + 11;
        ids.push_back(text.substr(start, text.find('"', start) - start));
    }
    ASSERT_EQ(ids.size(), 19u);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(ids[i], std::to_string(i + 1));
    }
}

TEST(RenumberProductIds, LeavesAListWithoutMarkerUntouched) {
    const Lines items = {"<vendorProductSet vendorID=\"0\">\r\nsecond line\n",
                         "<product productid=\"5\" PRODUCTID=\"6\">", ""};
    EXPECT_EQ(Renumbered(items), items);
}

TEST(RenumberProductIds, LeavesAnEmptyListEmpty) {
    EXPECT_TRUE(Renumbered({}).empty());
}

TEST(RenumberProductIds, SplitsTheListIntoPlainLinesWhenItRenumbered) {
    EXPECT_EQ(Renumbered({"head\r\n<product productID=\"8\">\nnext\rlast", "tail"}),
              (Lines{"head", "<product productID=\"1\">", "next", "last", "tail"}));
}

TEST(RenumberProductIds, DropsWhatFollowsANulWhenItRenumbered) {
    EXPECT_EQ(Renumbered({"a productID=\"5\"", std::string("b\0c", 3)}),
              (Lines{"a productID=\"1\"", "b"}));
}

TEST(RenumberProductIds, StopsAtAMarkerWithoutClosingQuote) {
    EXPECT_EQ(Renumbered({"<p productID=\"5\">", "<p productID=\"7>", "<p productID=2>"}),
              (Lines{"<p productID=\"1\">", "<p productID=\"7>", "<p productID=2>"}));
}

TEST(RenumberProductIds, KeepsTheTextOfAnUnterminatedFirstValue) {
    EXPECT_EQ(Renumbered({"x productID=\"5\r\ny"}), (Lines{"x productID=\"5", "y"}));
}

TEST(RenumberProductIds, NumbersAMarkerRightBehindAShortenedValue) {
    EXPECT_EQ(Renumbered({"<p productID=\"123456789\"productID=\"5\"/>"}),
              (Lines{"<p productID=\"1\"productID=\"2\"/>"}));
}

TEST(RenumberProductIds, NumbersEachMarkerOnceAfterManyLoneLineFeeds) {
    Lines expected(20, "");
    expected.push_back("productID=\"1\" productID=\"2\"");
    EXPECT_EQ(Renumbered({std::string(20, '\n') + "productID=\"8\" productID=\"9\""}),
              expected);
}

TEST(RenumberProductIds, NumbersManyProducts) {
    LineList list;
    for (int i = 0; i < 5000; ++i) {
        list.AddItem("<product productID=\"" + std::to_string(5000 - i) + "\"/>");
    }
    RenumberProductIds(list);

    ASSERT_EQ(list.ItemCount(), 5000);
    for (int i = 0; i < 5000; ++i) {
        EXPECT_EQ(list.Item(i), "<product productID=\"" + std::to_string(i + 1) + "\"/>");
    }
}

// The step-by-step reference shows the two faults that the one pass avoids; these cases
// also check that the property test below recognises them.
TEST(RenumberingOracle, SkipsAMarkerRightBehindAShortenedValue) {
    LineList list = ListOf({"<p productID=\"123456789\"productID=\"5\"/>"});
    EXPECT_TRUE(RenumberProductIdsLiterally(list).leftTextOrder);
    EXPECT_EQ(ItemsOf(list), (Lines{"<p productID=\"1\"productID=\"5\"/>"}));
}

TEST(RenumberingOracle, NumbersAMarkerTwiceAfterManyLoneLineFeeds) {
    LineList list = ListOf({std::string(20, '\n') + "productID=\"8\""});
    EXPECT_TRUE(RenumberProductIdsLiterally(list).leftTextOrder);
    EXPECT_EQ(list.Item(20), "productID=\"2\"");
}

TEST(RenumberingOracle, ReportsAMarkerWithoutClosingQuote) {
    LineList list = ListOf({"productID=\"5\" productID=\"7"});
    EXPECT_TRUE(RenumberProductIdsLiterally(list).missingCloseQuote);
}

TEST(RenumberingOracle, FollowsTextOrderForOrdinaryIds) {
    LineList list = ListOf({"productID=\"7\"", "productID=\"3\"", "productID=\"12\""});
    const LiteralRenumberingOutcome outcome = RenumberProductIdsLiterally(list);
    EXPECT_FALSE(outcome.leftTextOrder);
    EXPECT_FALSE(outcome.missingCloseQuote);
    EXPECT_EQ(outcome.replacements, 3);
    EXPECT_EQ(ItemsOf(list), (Lines{"productID=\"1\"", "productID=\"2\"", "productID=\"3\""}));
}

// Random lists made of the pieces that matter to the pass: markers, near-markers, quotes,
// short values, every kind of line break and the odd NUL.
class RandomListMaker {
public:
    explicit RandomListMaker(std::uint32_t seed) : random_(seed) {}

    std::vector<std::string> Make() {
        std::vector<std::string> items(Below(5));
        for (std::string& item : items) {
            const std::uint32_t pieces = Below(12);
            for (std::uint32_t i = 0; i < pieces; ++i) {
                item += Piece();
            }
        }
        return items;
    }

private:
    std::uint32_t Below(std::uint32_t bound) { return random_() % bound; }

    std::string Piece() {
        static const char* const VALUES[] = {"", "1", "7", "12", "345", "123456", "x"};
        switch (Below(20)) {
            case 0: case 1: case 2: case 3:
                return std::string("productID=\"") + VALUES[Below(7)] + "\"";
            case 4: case 5:
                return "productID=\"";
            case 6: case 7:
                return "\"";
            case 8:
                return VALUES[Below(7)];
            case 9:
                return "\r\n";
            case 10:
                return "\n";
            case 11:
                return "\r";
            case 12:
                return Below(8) == 0 ? std::string(1, '\0') : std::string(" ");
            case 13:
                return "productid=\"5\"";
            case 14:
                return "vendorID=\"0\"";
            case 15:
                return "productID";
            case 16:
                return "=\"";
            case 17:
                return "<product units=\"emu\" ";
            case 18:
                return "\t";
            default:
                return "/>";
        }
    }

    std::mt19937 random_;
};

TEST(RenumberProductIds, MatchesTheStepByStepRenumberingOnRandomLists) {
    RandomListMaker maker(20240611u);
    int compared = 0;
    int comparedWithIds = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::vector<std::string> items = maker.Make();
        LineList literal = ListOf(items);
        const LiteralRenumberingOutcome outcome = RenumberProductIdsLiterally(literal);
        if (outcome.missingCloseQuote || outcome.leftTextOrder) {
            continue;
        }
        LineList onePass = ListOf(items);
        RenumberProductIds(onePass);

        ++compared;
        if (outcome.replacements > 1) {
            ++comparedWithIds;
        }
        ASSERT_EQ(onePass.WholeText(), literal.WholeText()) << "round " << round;
        ASSERT_EQ(ItemsOf(onePass), ItemsOf(literal)) << "round " << round;
    }
    EXPECT_GT(compared, 10000);
    EXPECT_GT(comparedWithIds, 4000);
}

}  // namespace
}  // namespace velkaris

namespace velkaris {
namespace {

// The in-place renumbering gives the appended one's bytes whenever it takes the text,
// and leaves the text alone when a value would grow.
TEST(RenumberProductIdsInPlace, GivesTheSameTextAsAppendingWheneverNoValueGrows) {
    RandomListMaker maker(20261208u);
    int inPlace = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string text = ListOf(maker.Make()).WholeText();
        for (std::int32_t firstId : {0, 7}) {
            std::string appended;
            std::int32_t appendedLastId = firstId;
            AppendRenumberedProductIds(text, appended, appendedLastId);
            std::string rewritten = text;
            std::int32_t lastId = firstId;
            if (RenumberProductIdsInPlace(rewritten, lastId)) {
                ++inPlace;
                ASSERT_EQ(rewritten, appended) << "round " << round;
                ASSERT_EQ(lastId, appendedLastId);
            } else {
                ASSERT_EQ(rewritten, text) << "round " << round;
                ASSERT_EQ(lastId, firstId);
            }
        }
    }
    EXPECT_GT(inPlace, 10000);
}

TEST(RenumberProductIdsInPlace, RewritesIdsThatAlreadyRunInOrderAndRefusesOnesThatGrow) {
    std::string text = "<p productID=\"1\"/><p productID=\"22\"/><p productID=\"x";
    std::int32_t lastId = 0;
    ASSERT_TRUE(RenumberProductIdsInPlace(text, lastId));
    EXPECT_EQ(text, "<p productID=\"1\"/><p productID=\"2\"/><p productID=\"x");
    EXPECT_EQ(lastId, 2);
    std::string growing = "<p productID=\"\"/>";
    lastId = 0;
    EXPECT_FALSE(RenumberProductIdsInPlace(growing, lastId));
    EXPECT_EQ(growing, "<p productID=\"\"/>");
}

}  // namespace
}  // namespace velkaris

#include "label_file/product_id_renumbering.h"

#include <gtest/gtest.h>

#include <string>

#include "label_file/label_file_structure.h"

namespace velkaris {
namespace {

std::string Renumbered(std::string text) {
    const LabelFileStructure structure = ReadLabelFileStructure(text);
    EXPECT_TRUE(structure.wellFormed) << text;
    std::int32_t lastId = 0;
    RenumberProductIds(text, structure.products, lastId);
    return text;
}

TEST(RenumberProductIds, NumbersTheProductsIdsInTextOrderAndNothingElse) {
    const struct {
        std::string before;
        std::string after;
    } cases[] = {
        // values that shrink or keep their length: rewritten in place
        {"<v><vendorProductSet><product productID=\"70\"/><product productID='3'/>"
         "<product productID = \"12\"/></vendorProductSet></v>",
         "<v><vendorProductSet><product productID=\"1\"/><product productID='2'/>"
         "<product productID = \"3\"/></vendorProductSet></v>"},
        // values that grow, and look-alikes that are no product's id
        {"<vendorProductSet><product productID=\"\" note='productID=\"9\"'>"
         "<!-- productID=\"9\" --><x productID=\"9\"/>productID=\"9\"</product>"
         "<product xproductID=\"9\"/><product productID=\"\"/></vendorProductSet>",
         "<vendorProductSet><product productID=\"1\" note='productID=\"9\"'>"
         "<!-- productID=\"9\" --><x productID=\"9\"/>productID=\"9\"</product>"
         "<product xproductID=\"9\"/><product productID=\"2\"/></vendorProductSet>"},
        // one that grows, one that shrinks, one that grows: the text between moves both ways
        {"<vendorProductSet><product productID=\"\"/>a<product productID=\"100\"/>b"
         "<product productID=''/></vendorProductSet>",
         "<vendorProductSet><product productID=\"1\"/>a<product productID=\"2\"/>b"
         "<product productID='3'/></vendorProductSet>"},
    };
    for (const auto& c : cases) EXPECT_EQ(Renumbered(c.before), c.after);
}

}  // namespace
}  // namespace velkaris

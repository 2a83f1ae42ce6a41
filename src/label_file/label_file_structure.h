#pragma once
// What a label file holds, as an XML parser reads it: Word's custom labels are the
// product elements of the first vendorProductSet. One scan of the file's text checks
// that it is well-formed and gives each product's place, name and id, as byte spans
// of that text, so that the bytes the user wrote are copied untouched.

#include <cstddef>
#include <string_view>
#include <vector>

#include "catalogue/pack.h"
#include "text/xml_reader.h"

namespace velkaris {

struct LabelFileProduct {
    Span element;           // from its start tag's "<" to past its end tag's ">"
    bool emu = false;       // units="emu", in any ASCII letter case
    bool hasId = false;
    Span id;                // the productID value, between its quotes
    // The pack's product whose name the text of its prodName/locName is, read as a
    // parser reads it (references resolved, CDATA included, comments left out); null
    // for any other name, or none.
    const PackLabel* pack = nullptr;
};

struct LabelFileStructure {
    bool wellFormed = false;
    std::size_t faultLine = 0;           // of a text that is not, 1-based
    Span declaredEncoding;               // the declaration's encoding value; empty if none
    bool setFound = false;               // a vendorProductSet element, the first of which
    Span setContent;                     // lies between its start and end tags
    std::vector<LabelFileProduct> products;  // its product children, in document order
    std::size_t otherProducts = 0;       // product elements anywhere else
    // Where elements named product in another letter case start: not labels to XML,
    // but a user's all the same.
    std::vector<std::size_t> lookalikeProducts;
    bool noElement = false;  // not well-formed only for want of any element
    bool lineBreaksCrLf = false;  // every line break in the text is CR LF
    // Whether an element inside the first vendor set uses a namespace, by its prefix or
    // as the default, that the set or an element around it declared.
    bool namespaceFromHeader = false;
};

// Scans the text (UTF-8, a byte-order mark allowed). Element names are compared
// exactly, as XML does.
LabelFileStructure ReadLabelFileStructure(std::string_view text);

}  // namespace velkaris

#pragma once
// Cuts the products a label file already holds out of it: from the first product in
// EMU units up to the end tag of the first vendor product set.

#include <string>

#include "platform/platform.h"
#include "support/line_list.h"

namespace velkaris {

// No item when the file's text is empty, else one item, possibly empty, in the
// file's own letter case. Raises EFOpenError when the file holds product elements
// that the cut would leave out, since the rewritten file would lose them.
LineList ExtractExistingProducts(Platform& platform, const std::string& path);

// The same cut from text already read, for callers that hold the bytes.
LineList ExtractProductsFromText(const std::string& fileText);

// The product elements in a text, in any letter case and any unit.
std::int32_t CountProductElements(const std::string& text);

}  // namespace velkaris

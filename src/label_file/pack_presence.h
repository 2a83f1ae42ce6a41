#pragma once
// Which of the pack's products a label file already holds, so that a run adds only
// those missing and a user's own label named like one of them is not taken for all.

#include <array>
#include <vector>

#include "catalogue/pack.h"
#include "label_file/label_file_structure.h"

namespace velkaris {

// Entry i tells whether PACK[i] is there: some product's name, as an XML
// parser reads it, equals its name exactly. Longer names, another letter case, or the
// name anywhere but in a product's prodName/locName do not count.
std::array<bool, LABEL_COUNT> PackProductsPresent(const std::vector<LabelFileProduct>& products);

}  // namespace velkaris

#pragma once
// Which of the pack's products a label file already holds, so that a run adds only
// those missing and a user's own label named like one of them is not taken for all.

#include <array>
#include <string>

#include "catalogue/label_records.h"

namespace velkaris {

// Entry i tells whether PACK_PRODUCTS[i] is there: some product element's name (the
// text of a locName element inside it) equals its name exactly. Names in comments,
// descriptions or anywhere outside a product, and longer names, do not count.
std::array<bool, LABEL_COUNT> PackProductsPresent(const std::string& products);

}  // namespace velkaris

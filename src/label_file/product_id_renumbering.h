#pragma once
// Word needs the product ids of its custom label file to be distinct, so after a merge
// every product's productID value is replaced by a running count through the file.

#include <string>
#include <vector>

#include "label_file/label_file_structure.h"

namespace velkaris {

// Replaces the productID values of the products (read from this very text, in text
// order) by 1, 2, 3, ... Nothing else in the text changes.
void RenumberProductIds(std::string& text, const std::vector<LabelFileProduct>& products);

}  // namespace velkaris

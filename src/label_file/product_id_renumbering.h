#pragma once
// Word needs the product ids of its custom label file to be distinct, so after a merge
// every product's productID value is replaced by a running count through the file.

#include <cstdint>
#include <string>
#include <vector>

#include "label_file/label_file_structure.h"

namespace velkaris {

// Replaces the productID values of the products (their spans are of this very text,
// in text order) by the numbers after lastId, which receives the last one given.
// Nothing else in the text changes; the text is rewritten in its own buffer.
void RenumberProductIds(std::string& text, const std::vector<LabelFileProduct>& products,
                        std::int32_t& lastId);

}  // namespace velkaris

#pragma once
// The text the installer writes into Word 12.0's custom label file: its first and last
// lines and the 133 lines describing the 17 products, kept as finished lines.

#include <array>
#include <string>
#include <string_view>

#include "catalogue/label_records.h"

namespace velkaris {

constexpr int PRODUCT_FRAGMENT_LINES = 133;

extern const char* const LABEL_FILE_HEADER;
extern const char* const LABEL_FILE_FOOTER;
// Line i of the pack, appended to the file one line per item in index order.
extern const std::array<const char*, PRODUCT_FRAGMENT_LINES> PRODUCT_FRAGMENT;

// Each product of the pack: its name as its locName element holds it, and its lines in
// PRODUCT_FRAGMENT, the empty line that follows it included.
struct PackProduct {
    std::string_view name;
    int firstLine;
    int lineCount;
};
// In PRODUCT_FRAGMENT's order, which is the order they are added in.
extern const std::array<PackProduct, LABEL_COUNT> PACK_PRODUCTS;

// The product's lines as the install writes them, each ended by CR LF.
std::string PackProductText(const PackProduct& product);

// The pack's product of that name, compared exactly; null for any other name.
const PackProduct* PackProductNamed(std::string_view name);

}  // namespace velkaris

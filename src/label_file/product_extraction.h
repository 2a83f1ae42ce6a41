#pragma once
// Cuts the products a label file already holds out of it: from the first product in
// EMU units up to the end tag of the first vendor product set.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/pack.h"
#include "label_file/label_file_structure.h"
#include "platform/platform.h"

namespace velkaris {

struct ExistingProducts {
    // The bytes kept, as the file has them but for line breaks, which are CR LF; empty
    // for a file with no products (or only white space, a declaration, comments).
    std::string stretch;
    std::vector<LabelFileProduct> products;  // their places in the stretch
    std::array<bool, LABEL_COUNT> packPresent{};  // of PACK, among them
};

// Nothing when the file's text is empty. Raises EFOpenError when the file is not
// well-formed XML, or holds products that the stretch would leave out.
std::optional<ExistingProducts> ExtractExistingProducts(Platform& platform, const std::string& path);

}  // namespace velkaris

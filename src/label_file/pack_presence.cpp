#include "label_file/pack_presence.h"

#include <cstddef>

#include "catalogue/product_fragment.h"

namespace velkaris {

std::array<bool, LABEL_COUNT> PackProductsPresent(const std::vector<LabelFileProduct>& products) {
    std::array<bool, LABEL_COUNT> present{};
    for (const LabelFileProduct& product : products) {
        if (product.pack != nullptr) {
            present[static_cast<std::size_t>(product.pack - PACK_PRODUCTS.data())] = true;
        }
    }
    return present;
}

}  // namespace velkaris

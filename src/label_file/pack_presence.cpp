#include "label_file/pack_presence.h"

#include <cstddef>

#include "catalogue/product_fragment.h"

namespace velkaris {

std::array<bool, LABEL_COUNT> PackProductsPresent(const std::vector<LabelFileProduct>& products) {
    std::array<bool, LABEL_COUNT> present{};
    for (const LabelFileProduct& product : products) {
        for (std::size_t i = 0; i < PACK_PRODUCTS.size(); ++i) {
            if (PACK_PRODUCTS[i].name == product.name) present[i] = true;
        }
    }
    return present;
}

}  // namespace velkaris

#include "label_file/pack_presence.h"

#include "catalogue/pack.h"

namespace velkaris {

std::array<bool, LABEL_COUNT> PackProductsPresent(const std::vector<LabelFileProduct>& products) {
    std::array<bool, LABEL_COUNT> present{};
    for (const LabelFileProduct& product : products) {
        if (product.pack != nullptr) {
            present[PackIndex(*product.pack)] = true;
        }
    }
    return present;
}

}  // namespace velkaris

#include "label_file/product_id_renumbering.h"

#include <cstddef>
#include <cstdint>

#include <string>

namespace velkaris {

namespace {

std::size_t DigitCount(std::int32_t id) {
    std::size_t count = 1;
    for (; id >= 10; id /= 10) ++count;
    return count;
}

// When no new value is longer than the one it replaces (as in a file whose ids already
// run 1, 2, 3, ...), the text is rewritten in its own buffer: the file may be tens of
// megabytes. False, with nothing changed, when one would grow.
bool RenumberInPlace(std::string& text, const std::vector<LabelFileProduct>& products) {
    std::int32_t id = 0;
    for (const LabelFileProduct& product : products) {
        if (product.hasId && DigitCount(++id) > product.id.size()) return false;
    }
    // Each value written over the old one, the text between moved forward by what the
    // values shrank; nothing moves while none has, as in a file numbered in order.
    std::size_t read = 0;
    std::size_t write = 0;
    id = 0;
    for (const LabelFileProduct& product : products) {
        if (!product.hasId) continue;
        const std::string digits = std::to_string(++id);
        const std::size_t kept = product.id.begin - read;
        if (write != read) text.replace(write, kept, text, read, kept);
        write += kept;
        text.replace(write, digits.size(), digits);
        write += digits.size();
        read = product.id.end;
    }
    if (write != read) text.erase(write, read - write);
    return true;
}

}  // namespace

void RenumberProductIds(std::string& text, const std::vector<LabelFileProduct>& products) {
    if (RenumberInPlace(text, products)) return;
    std::string renumbered;
    renumbered.reserve(text.size() + 64);
    std::size_t copied = 0;
    std::int32_t id = 0;
    for (const LabelFileProduct& product : products) {
        if (!product.hasId) continue;
        renumbered.append(text, copied, product.id.begin - copied);
        renumbered += std::to_string(++id);
        copied = product.id.end;
    }
    renumbered.append(text, copied, std::string::npos);
    text = std::move(renumbered);
}

}  // namespace velkaris

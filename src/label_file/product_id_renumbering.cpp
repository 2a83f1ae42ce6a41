#include "label_file/product_id_renumbering.h"

#include <cstddef>
#include <cstring>

namespace velkaris {

namespace {

std::ptrdiff_t DigitCount(std::int32_t id) {
    std::ptrdiff_t count = 1;
    for (; id >= 10; id /= 10) ++count;
    return count;
}

}  // namespace

// The text between the values moves by what the values before it grew or shrank.
// The file may be tens of megabytes, so it moves in its own buffer: first the pieces
// that move left, from the front, then those that move right, from the back; no
// piece then lands on one not yet moved.
void RenumberProductIds(std::string& text, const std::vector<LabelFileProduct>& products,
                        std::int32_t& lastId) {
    struct Piece {
        std::size_t from;    // where the text after a value starts
        std::size_t length;  // up to the next value, or the end
        std::ptrdiff_t shift;
    };
    std::vector<Piece> pieces;
    std::ptrdiff_t shift = 0;
    std::int32_t id = lastId;
    for (const LabelFileProduct& product : products) {
        if (!product.hasId) continue;
        shift += DigitCount(++id) - static_cast<std::ptrdiff_t>(product.id.size());
        if (!pieces.empty()) pieces.back().length = product.id.begin - pieces.back().from;
        pieces.push_back(Piece{product.id.end, text.size() - product.id.end, shift});
    }
    if (pieces.empty()) return;
    const std::size_t size = text.size();
    if (shift > 0) text.resize(size + static_cast<std::size_t>(shift));
    char* const bytes = &text[0];
    for (const Piece& piece : pieces) {
        if (piece.shift < 0) std::memmove(bytes + piece.from + piece.shift, bytes + piece.from, piece.length);
    }
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        if (piece->shift > 0) std::memmove(bytes + piece->from + piece->shift, bytes + piece->from, piece->length);
    }
    // Each value goes just before the piece that followed it.
    std::size_t at = 0;
    for (const LabelFileProduct& product : products) {
        if (!product.hasId) continue;
        const std::string digits = std::to_string(++lastId);
        const Piece& after = pieces[at++];
        std::memcpy(bytes + after.from + after.shift - digits.size(), digits.data(), digits.size());
    }
    if (shift < 0) text.resize(size - static_cast<std::size_t>(-shift));
}

}  // namespace velkaris

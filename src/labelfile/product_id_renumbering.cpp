#include "labelfile/product_id_renumbering.h"

#include <cstdint>
#include <string>
#include <utility>

#include "support/text.h"

namespace velkaris {

namespace {

const char kMarker[] = "productID=\"";
constexpr std::int32_t kMarkerLength = sizeof(kMarker) - 1;

// One pass over the joined text: the label file may hold thousands of products, and
// rebuilding the whole text per id would make the pass quadratic. False, and nothing
// in renumbered, when the text holds no marker.
bool Renumber(const std::string& text, std::string& renumbered, std::int32_t& count) {
    const std::string marker = kMarker;
    const std::string quote = "\"";
    const std::int32_t length = static_cast<std::int32_t>(text.size());

    renumbered.reserve(text.size());
    std::int32_t copied = 1;  // first position of the text not yet copied
    bool markerFound = false;
    for (;;) {
        const std::int32_t at = FindTextFrom(marker, text, copied);
        if (at == 0) {
            break;
        }
        markerFound = true;
        const std::int32_t valueStart = at + kMarkerLength;
        const std::int32_t close = FindTextFrom(quote, text, valueStart);
        if (close == 0) {
            // A malformed file: an unterminated value has no end to replace up to.
            break;
        }
        ++count;
        renumbered += CopyRange(text, copied, valueStart - copied);
        renumbered += DecimalText(count);
        // The search resumes at the closing quote, so a marker inside a replaced value
        // is not one, and the marker right after it is the next one.
        copied = close;
    }
    if (!markerFound) {
        return false;
    }
    renumbered += CopyRange(text, copied, length - copied + 1);
    return true;
}

}  // namespace

void RenumberProductIds(LineList& list) {
    std::string renumbered;
    std::int32_t count = 0;
    if (Renumber(list.WholeText(), renumbered, count)) list.SetWholeText(std::move(renumbered));
}

std::string RenumberProductIdsInText(std::string text, std::int32_t& lastId) {
    std::string renumbered;
    return Renumber(text, renumbered, lastId) ? renumbered : text;
}

}  // namespace velkaris

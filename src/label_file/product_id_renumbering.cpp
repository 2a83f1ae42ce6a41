#include "label_file/product_id_renumbering.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "text/text.h"

namespace velkaris {

namespace {

const char MARKER[] = "productID=\"";
constexpr std::int32_t MARKER_LENGTH = sizeof(MARKER) - 1;

// One pass over the joined text: the label file may hold thousands of products, and
// rebuilding the whole text per id would make the pass quadratic. Appends the
// renumbered text to out; false, with nothing appended, when the text holds no marker.
bool Renumber(const std::string& text, std::string& out, std::int32_t& count) {
    const std::string marker = MARKER;
    const std::string quote = "\"";
    std::int32_t copied = 1;  // first position of the text not yet copied
    bool markerFound = false;
    for (;;) {
        const std::int32_t at = FindTextFrom(marker, text, copied);
        if (at == 0) {
            break;
        }
        markerFound = true;
        const std::int32_t valueStart = at + MARKER_LENGTH;
        const std::int32_t close = FindTextFrom(quote, text, valueStart);
        if (close == 0) {
            // A malformed file: an unterminated value has no end to replace up to.
            break;
        }
        ++count;
        out.append(text, static_cast<std::size_t>(copied - 1),
                   static_cast<std::size_t>(valueStart - copied));
        out += DecimalText(count);
        // The search resumes at the closing quote, so a marker inside a replaced value
        // is not one, and the marker right after it is the next one.
        copied = close;
    }
    if (!markerFound) {
        return false;
    }
    out.append(text, static_cast<std::size_t>(copied - 1), std::string::npos);
    return true;
}

std::size_t DigitCount(std::int32_t id) {
    std::size_t count = 1;
    for (; id >= 10; id /= 10) ++count;
    return count;
}

}  // namespace

bool RenumberProductIdsInPlace(std::string& text, std::int32_t& lastId) {
    const std::string_view marker(MARKER, MARKER_LENGTH);
    // First only look: a value that would grow makes the text longer, which this
    // buffer has no room for.
    std::int32_t id = lastId;
    for (std::size_t at = SearchText(text, marker, 0, false); at != std::string::npos;
         at = SearchText(text, marker, at + 1, false)) {
        const std::size_t value = at + MARKER_LENGTH;
        const std::size_t close = text.find('"', value);
        if (close == std::string::npos) break;
        if (DigitCount(++id) > close - value) return false;
        at = close - 1;  // the next search starts at the closing quote
    }
    // Then write each value over the old one, moving the text between them forward
    // by what the values shrank.
    std::size_t read = 0;
    std::size_t write = 0;
    for (std::size_t at = SearchText(text, marker, 0, false); at != std::string::npos;
         at = SearchText(text, marker, read, false)) {
        const std::size_t value = at + MARKER_LENGTH;
        const std::size_t close = text.find('"', value);
        if (close == std::string::npos) break;
        const std::string digits = DecimalText(++lastId);
        // Nothing to move while no value has shrunk yet, as in a file numbered in order.
        if (write != read) text.replace(write, value - read, text, read, value - read);
        write += value - read;
        text.replace(write, digits.size(), digits);
        write += digits.size();
        read = close;
    }
    text.erase(write, read - write);
    return true;
}

void AppendRenumberedProductIds(const std::string& text, std::string& out, std::int32_t& lastId) {
    if (!Renumber(text, out, lastId)) out += text;
}

}  // namespace velkaris

#include "label_file/product_id_renumbering.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace velkaris {

namespace {

constexpr std::string_view MARKER = "productID=\"";

// The bytes of one id value: from the marker's quote to the next double quote.
struct Value {
    std::size_t begin;
    std::size_t end;  // the closing quote, where the next search resumes
};

// The next value at or after from; nothing when there is no marker, or when the
// marker has no closing quote after it: an unterminated value has no end to replace
// up to, so the renumbering ends there.
std::optional<Value> NextValue(const std::string& text, std::size_t from) {
    const std::size_t at = SearchText(text, MARKER, from, false);
    if (at == std::string::npos) return std::nullopt;
    const std::size_t begin = at + MARKER.size();
    const std::size_t end = text.find('"', begin);
    if (end == std::string::npos) return std::nullopt;
    return Value{begin, end};
}

std::size_t DigitCount(std::int32_t id) {
    std::size_t count = 1;
    for (; id >= 10; id /= 10) ++count;
    return count;
}

}  // namespace

// One pass over the whole text: the label file may hold thousands of products, and
// rebuilding the text per id would make it quadratic.
void AppendRenumberedProductIds(const std::string& text, std::string& out, std::int32_t& lastId) {
    std::size_t copied = 0;
    for (auto value = NextValue(text, 0); value; value = NextValue(text, value->end)) {
        out.append(text, copied, value->begin - copied);
        out += DecimalText(++lastId);
        copied = value->end;
    }
    out.append(text, copied, std::string::npos);
}

bool RenumberProductIdsInPlace(std::string& text, std::int32_t& lastId) {
    // First only look: a value that would grow makes the text longer, which this
    // buffer has no room for.
    std::int32_t id = lastId;
    for (auto value = NextValue(text, 0); value; value = NextValue(text, value->end)) {
        if (DigitCount(++id) > value->end - value->begin) return false;
    }
    // Then write each value over the old one, moving the text between them forward
    // by what the values shrank. The search reads only what lies past the last value.
    std::size_t read = 0;
    std::size_t write = 0;
    for (auto value = NextValue(text, 0); value; value = NextValue(text, read)) {
        const std::string digits = DecimalText(++lastId);
        const std::size_t kept = value->begin - read;
        // Nothing to move while no value has shrunk yet, as in a file numbered in order.
        if (write != read) text.replace(write, kept, text, read, kept);
        write += kept;
        text.replace(write, digits.size(), digits);
        write += digits.size();
        read = value->end;
    }
    text.erase(write, read - write);
    return true;
}

}  // namespace velkaris

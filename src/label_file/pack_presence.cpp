#include "label_file/pack_presence.h"

#include <cstddef>
#include <string_view>

#include "catalogue/product_fragment.h"
#include "text/text.h"

namespace velkaris {

namespace {

constexpr std::string_view NAME_START = "Velkaris     L-";  // of every pack product's name

bool IsNameEnd(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '>' || c == '/';
}

// The tag at text[at] (just past its "<" or "</") is named name, in any letter case.
bool TagIsNamed(std::string_view text, std::size_t at, std::string_view name) {
    if (at + name.size() >= text.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (LowerAsciiChar(text[at + i]) != name[i]) return false;
    }
    return IsNameEnd(text[at + name.size()]);
}

// Past the ">" that closes the tag starting at at; a ">" inside a quoted attribute
// value does not. npos when the tag is not closed.
std::size_t TagEnd(std::string_view text, std::size_t at) {
    char quote = 0;
    for (std::size_t i = at; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return std::string_view::npos;
}

// Past the end of markup that holds no elements (comment, CDATA section, processing
// instruction) starting at at; at itself when none starts there.
std::size_t SkipOpaque(std::string_view text, std::size_t at) {
    static constexpr std::string_view OPAQUE[][2] = {
        {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};
    for (const auto& kind : OPAQUE) {
        if (text.substr(at, kind[0].size()) != kind[0]) continue;
        const std::size_t end = text.find(kind[1], at + kind[0].size());
        return end == std::string_view::npos ? text.size() : end + kind[1].size();
    }
    return at;
}

void MarkPresent(std::string_view name, std::array<bool, LABEL_COUNT>& present) {
    for (std::size_t i = 0; i < PACK_PRODUCTS.size(); ++i) {
        if (PACK_PRODUCTS[i].name == name) present[i] = true;
    }
}

}  // namespace

std::array<bool, LABEL_COUNT> PackProductsPresent(const std::string& products) {
    std::array<bool, LABEL_COUNT> present{};
    // Most users' files hold no product of the pack: one search saves reading every tag.
    if (products.find(NAME_START) == std::string::npos) return present;
    const std::string_view text(products);
    int productDepth = 0;
    std::size_t at = text.find('<');
    while (at != std::string_view::npos) {
        const std::size_t skipped = SkipOpaque(text, at);
        if (skipped != at) {
            at = text.find('<', skipped);
            continue;
        }
        const bool endTag = text.substr(at, 2) == "</";
        const std::size_t nameAt = at + (endTag ? 2 : 1);
        const std::size_t end = TagEnd(text, nameAt);
        if (end == std::string_view::npos) break;
        const bool empty = !endTag && text[end - 2] == '/';
        if (TagIsNamed(text, nameAt, "product")) {
            if (endTag && productDepth > 0) --productDepth;
            if (!endTag && !empty) ++productDepth;
        } else if (!endTag && !empty && productDepth > 0 && TagIsNamed(text, nameAt, "locname")) {
            // The name is the text up to the next markup, which must close the element.
            const std::size_t next = text.find('<', end);
            if (next != std::string_view::npos && TagIsNamed(text, next + 2, "locname") &&
                text.substr(next, 2) == "</") {
                MarkPresent(text.substr(end, next - end), present);
            }
        }
        at = text.find('<', end);
    }
    return present;
}

}  // namespace velkaris

#include "oracle/line_list.h"

#include <utility>

#include "label_file/product_id_renumbering.h"

namespace velkaris {

std::string LineList::WholeText() const {
    std::string text;
    for (const std::string& item : items_) text += item + "\r\n";
    return text;
}

void LineList::SetWholeText(std::string text) {
    items_.clear();
    std::size_t cursor = 0;
    while (cursor < text.size() && text[cursor] != '\0') {
        const std::size_t start = cursor;
        while (cursor < text.size() && text[cursor] != '\r' && text[cursor] != '\n' &&
               text[cursor] != '\0') {
            ++cursor;
        }
        items_.push_back(text.substr(start, cursor - start));
        if (cursor < text.size() && text[cursor] == '\r') ++cursor;
        if (cursor < text.size() && text[cursor] == '\n') ++cursor;
    }
}

void RenumberProductIds(LineList& list) {
    const std::string text = list.WholeText();
    if (text.find("productID=\"") == std::string::npos) return;
    std::string renumbered;
    std::int32_t lastId = 0;
    AppendRenumberedProductIds(text, renumbered, lastId);
    list.SetWholeText(std::move(renumbered));
}

}  // namespace velkaris

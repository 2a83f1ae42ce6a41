#include "label_file/product_extraction.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "label_file/label_file_reader.h"
#include "label_file/pack_presence.h"

namespace velkaris {

namespace {

// Every line break CR LF: the file is written so. The text is rebuilt only when the
// scan met another kind; the products' places move with it.
void MakeLineBreaksCrLf(std::string& text, std::vector<LabelFileProduct>& products) {
    std::vector<std::size_t*> places;  // in text order
    for (LabelFileProduct& product : products) {
        for (std::size_t* place : {&product.element.begin, &product.id.begin, &product.id.end,
                                   &product.element.end}) {
            if (place != &product.id.begin && place != &product.id.end) places.push_back(place);
            else if (product.hasId) places.push_back(place);
        }
    }
    std::string crLf;
    crLf.reserve(text.size() + text.size() / 16);
    auto next = places.begin();
    // Line by line: each line's bytes move as one piece, then its break is written anew.
    for (std::size_t at = 0;;) {
        std::size_t stop = at;
        while (stop < text.size() && text[stop] != '\r' && text[stop] != '\n') ++stop;
        for (; next != places.end() && **next <= stop; ++next) **next = **next - at + crLf.size();
        crLf.append(text, at, stop - at);
        if (stop == text.size()) break;
        crLf += "\r\n";
        const bool pair = text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n';
        at = stop + (pair ? 2 : 1);
    }
    text = std::move(crLf);
}

// Where the kept stretch lies in the text, or why the file cannot be merged.
struct Stretch {
    Span span;
    const char* refusal = nullptr;
};

Stretch FindStretch(const LabelFileStructure& structure) {
    const char* const dropped = "Not all of the labels it holds could be read";
    const auto& products = structure.products;
    const auto firstEmu = std::find_if(products.begin(), products.end(),
                                       [](const LabelFileProduct& p) { return p.emu; });
    // Products in other units before the first in EMU would be dropped, as would those
    // outside the first vendor set or inside other elements.
    if (structure.otherProducts > 0 || firstEmu != products.begin()) return {{}, dropped};
    Stretch stretch;
    if (firstEmu != products.end()) stretch.span = Span{firstEmu->element.begin, structure.setContent.end};
    for (const std::size_t at : structure.lookalikeProducts) {
        if (at < stretch.span.begin || at >= stretch.span.end) return {{}, dropped};
    }
    return stretch;
}

}  // namespace

std::optional<ExistingProducts> ExtractExistingProducts(Platform& platform, const std::string& path) {
    std::optional<LabelFileContent> content = ReadLabelFileContent(platform, path);
    if (!content) return std::nullopt;
    std::string& text = content->text;
    LabelFileStructure& structure = content->structure;
    // What only the dropped header declared would be lost: a prefix left unbound, or
    // elements moved out of the default namespace.
    if (structure.namespaceFromHeader) {
        RaiseOpenError(platform, path,
                       "Its labels use an XML namespace declared outside them, which could not "
                       "be carried over");
    }
    const Stretch stretch = FindStretch(structure);
    if (stretch.refusal != nullptr) RaiseOpenError(platform, path, stretch.refusal);
    // Cut in the text's own buffer: a fresh copy of a large file costs more than the scan.
    text.erase(stretch.span.end);
    text.erase(0, stretch.span.begin);
    for (LabelFileProduct& product : structure.products) {
        for (Span* span : {&product.element, &product.id}) {
            if (span == &product.id && !product.hasId) continue;
            span->begin -= stretch.span.begin;
            span->end -= stretch.span.begin;
        }
    }
    if (!structure.lineBreaksCrLf) MakeLineBreaksCrLf(text, structure.products);
    ExistingProducts existing;
    existing.stretch = std::move(text);
    existing.products = std::move(structure.products);
    existing.packPresent = PackProductsPresent(existing.products);
    return existing;
}

}  // namespace velkaris

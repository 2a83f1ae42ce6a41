#include "label_file/product_extraction.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "label_file/label_file_reader.h"
#include "label_file/pack_presence.h"

namespace velkaris {

namespace {

// Every line break CR LF: the file is written so. Lone CRs and LFs are rare, so the
// text is rebuilt only when it holds one.
void MakeLineBreaksCrLf(std::string& text) {
    std::size_t lineFeeds = 0;
    bool lone = false;
    for (std::size_t at = text.find('\n'); at != std::string::npos && !lone;
         at = text.find('\n', at + 1)) {
        lone = at == 0 || text[at - 1] != '\r';
        ++lineFeeds;
    }
    if (!lone && static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')) == lineFeeds) {
        return;
    }
    std::string crLf;
    crLf.reserve(text.size() + text.size() / 16);
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c != '\r' && c != '\n') {
            crLf += c;
            continue;
        }
        crLf += "\r\n";
        if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
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
    std::string text = ReadLabelFileText(platform, path);
    // The read refuses a NUL anywhere but at the end.
    if (!text.empty() && text.back() == '\0') text.pop_back();
    if (text.empty()) return std::nullopt;

    LabelFileStructure structure = ReadLabelFileStructure(text);
    ExistingProducts existing;
    // A file of white space, a declaration or comments holds no labels yet.
    if (!structure.wellFormed && !structure.noElement) {
        RaiseOpenError(platform, path,
                       "It is not XML that Word can read (line " +
                           std::to_string(structure.faultLine) +
                           "): rename or remove it, and run the installer again");
    }
    const Stretch stretch = FindStretch(structure);
    if (stretch.refusal != nullptr) RaiseOpenError(platform, path, stretch.refusal);
    // Cut in the text's own buffer: a fresh copy of a large file costs more than the scan.
    text.erase(stretch.span.end);
    text.erase(0, stretch.span.begin);
    MakeLineBreaksCrLf(text);
    existing.stretch = std::move(text);
    existing.products = std::move(structure.products);
    existing.packPresent = PackProductsPresent(existing.products);
    return existing;
}

}  // namespace velkaris

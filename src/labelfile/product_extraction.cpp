#include "labelfile/product_extraction.h"

#include <algorithm>
#include <cstddef>

#include "labelfile/label_file_reader.h"
#include "support/text.h"

namespace velkaris {

namespace {

const char* const START_MARKER = "<product units=\"emu\"";
const char* const END_MARKER = "</vendorproductset>";

// What a line list split at the text and joined again gives back: every line break
// (CR LF, CR or LF) becomes CR LF, the last line gets one, and the first NUL ends the
// text. One pass, without a list item per line: the file may hold a million lines.
// With joinedItem, the text is taken as a list item followed by the join's CR LF,
// without copying it to append one.
std::string NormalizeLineBreaks(const std::string& fileText, bool joinedItem) {
    return RaiseOutOfMemoryAsError([&] {
        std::string text;
        text.reserve(fileText.size() + 2);
        const std::size_t size = fileText.size();
        std::size_t cursor = 0;
        while (cursor < size && fileText[cursor] != '\0') {
            const std::size_t lineStart = cursor;
            while (cursor < size && fileText[cursor] != '\r' && fileText[cursor] != '\n' &&
                   fileText[cursor] != '\0') {
                ++cursor;
            }
            text.append(fileText, lineStart, cursor - lineStart);
            text += "\r\n";
            if (cursor < size && fileText[cursor] == '\r') ++cursor;
            if (cursor < size && fileText[cursor] == '\n') ++cursor;
        }
        // The join's CR LF after a text that already ended its last line (or after no
        // text at all) is one more, empty, line; after an open last line it only ends it.
        const bool reachedEnd = cursor == size;
        const bool endsLine = size == 0 || fileText[size - 1] == '\r' || fileText[size - 1] == '\n';
        if (joinedItem && reachedEnd && endsLine) text += "\r\n";
        return text;
    });
}

// True when the text up to its first NUL already reads as NormalizeLineBreaks would
// give it back: CR LF line breaks only, the last line ended. Label files almost always
// do, and then two quick byte searches replace the line-by-line rebuild.
bool HasOnlyCrLfBreaks(const std::string& text, std::size_t end) {
    if (end != 0 && (end < 2 || text.compare(end - 2, 2, "\r\n") != 0)) return false;
    for (std::size_t at = text.find('\r'); at < end; at = text.find('\r', at + 1)) {
        if (at + 1 >= end || text[at + 1] != '\n') return false;
    }
    for (std::size_t at = text.find('\n'); at < end; at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r') return false;
    }
    return true;
}

bool IsProductTagAt(const std::string& text, std::size_t at) {
    static const char TAG[] = "<product";
    const std::size_t length = sizeof TAG - 1;
    if (at + length >= text.size()) return false;
    for (std::size_t i = 0; i < length; ++i) {
        char c = text[at + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        if (c != TAG[i]) return false;
    }
    const char next = text[at + length];
    return next == ' ' || next == '\t' || next == '\r' || next == '\n' || next == '>' || next == '/';
}

// Where the products start and where the first vendor set ends, 1-based, 0 when
// absent: found as in the lower-cased text, to be cut from the text in its own case.
struct Cut {
    std::int32_t start = 0;
    std::int32_t end = 0;
};

Cut FindCut(const std::string& text) {
    return Cut{FindTextIgnoringCase(START_MARKER, text), FindTextIgnoringCase(END_MARKER, text)};
}

LineList CutProducts(const std::string& text, const Cut& cut) {
    LineList result;
    if (text.empty()) return result;
    result.AddItem(cut.start != 0 && cut.end != 0 ? CopyRange(text, cut.start, cut.end - cut.start)
                                                  : std::string());
    return result;
}

std::int32_t CountProductElementsIn(const std::string& text, std::size_t from, std::size_t to) {
    std::int32_t count = 0;
    for (std::size_t at = text.find('<', from); at < to; at = text.find('<', at + 1)) {
        count += IsProductTagAt(text, at);
    }
    return count;
}

[[noreturn]] void RaiseDroppedProducts(Platform& platform, const std::string& path) {
    RaiseOpenError(platform, path, "Not all of the labels it holds could be read");
}

}  // namespace

std::int32_t CountProductElements(const std::string& text) {
    return CountProductElementsIn(text, 0, text.size());
}

LineList ExtractProductsFromText(const std::string& fileText) {
    const std::string text = NormalizeLineBreaks(fileText, false);
    return CutProducts(text, FindCut(text));
}

// Products after a NUL, outside the first vendor set, in other units or without an
// end tag would be dropped by the rewrite: such a file is left as it is.
LineList ExtractExistingProducts(Platform& platform, const std::string& path) {
    const LineList raw = ReadLabelFileText(platform, path);
    const std::string& item = raw.Item(0);
    const std::size_t nul = std::min(item.find('\0'), item.size());

    if (nul + 1 == item.size() && HasOnlyCrLfBreaks(item, nul)) {
        // Already as the rebuild would give it, up to the final NUL, which no marker
        // holds: cut from the text as read, and count only what lies outside the cut.
        const Cut cut = FindCut(item);
        LineList products = CutProducts(nul == 0 ? std::string() : item, cut);
        const bool cutHolds = cut.start != 0 && cut.end > cut.start;
        const std::int32_t dropped =
            cutHolds ? CountProductElementsIn(item, 0, static_cast<std::size_t>(cut.start - 1)) +
                           CountProductElementsIn(item, static_cast<std::size_t>(cut.end - 1),
                                                  item.size())
                     : CountProductElements(item);
        if (dropped > 0) RaiseDroppedProducts(platform, path);
        return products;
    }

    const std::string text = NormalizeLineBreaks(item, true);
    LineList products = CutProducts(text, FindCut(text));
    const std::int32_t kept = products.ItemCount() == 0 ? 0 : CountProductElements(products.Item(0));
    if (kept < CountProductElements(item)) RaiseDroppedProducts(platform, path);
    return products;
}

}  // namespace velkaris

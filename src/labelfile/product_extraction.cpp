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

LineList ExtractFromNormalized(const std::string& text) {
    LineList result;
    if (text.empty()) return result;

    // Found as in the lower-cased text, cut from the text in its own letter case.
    const std::int32_t start = FindTextIgnoringCase(START_MARKER, text);
    const std::int32_t end = FindTextIgnoringCase(END_MARKER, text);
    result.AddItem(start != 0 && end != 0 ? CopyRange(text, start, end - start) : std::string());
    return result;
}

}  // namespace

std::int32_t CountProductElements(const std::string& text) {
    std::int32_t count = 0;
    for (std::size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
        count += IsProductTagAt(text, at);
    }
    return count;
}

LineList ExtractProductsFromText(const std::string& fileText) {
    return ExtractFromNormalized(NormalizeLineBreaks(fileText, false));
}

LineList ExtractExistingProducts(Platform& platform, const std::string& path) {
    const LineList raw = ReadLabelFileText(platform, path);
    const std::string& item = raw.Item(0);
    const std::size_t nul = std::min(item.find('\0'), item.size());
    // Without a NUL the join's own CR LF would follow: the general rebuild handles that.
    const bool normalized = nul < item.size() && HasOnlyCrLfBreaks(item, nul);
    LineList products = ExtractFromNormalized(normalized ? item.substr(0, nul)
                                                         : NormalizeLineBreaks(item, true));
    // Products after a NUL, outside the first vendor set, in other units or without
    // an end tag would be dropped by the rewrite: leave such a file as it is.
    const std::int32_t kept = products.ItemCount() == 0 ? 0 : CountProductElements(products.Item(0));
    if (kept < CountProductElements(raw.Item(0))) {
        RaiseOpenError(platform, path, "Not all of the labels it holds could be read");
    }
    return products;
}

}  // namespace velkaris

#include "label_file/product_extraction.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "label_file/label_file_reader.h"
#include "text/text.h"

namespace velkaris {

namespace {

const char* const START_MARKER = "<product units=\"emu\"";
const char* const END_MARKER = "</vendorproductset>";

// The text as the label file is written: the first NUL ends it, every line break
// (CR LF, CR or LF) is CR LF, and the last line is ended. One pass, without a copy
// per line: the file may hold a million lines.
std::string NormalizeLineBreaks(const std::string& fileText) {
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
    return text;
}

// True when the text up to its first NUL already reads as NormalizeLineBreaks would
// give it back: CR LF line breaks only, the last line ended. Label files almost always
// do, and then two quick byte searches replace the line-by-line rebuild.
bool HasOnlyCrLfBreaks(const std::string& text, std::size_t end) {
    if (end != 0 && (end < 2 || text.compare(end - 2, 2, "\r\n") != 0)) return false;
    // Every LF right after a CR, and as many CRs as LFs: then every CR is before an LF.
    std::size_t lineFeeds = 0;
    for (std::size_t at = text.find('\n'); at < end; at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r') return false;
        ++lineFeeds;
    }
    const auto first = text.begin();
    const auto carriageReturns = std::count(first, first + static_cast<std::ptrdiff_t>(end), '\r');
    return static_cast<std::size_t>(carriageReturns) == lineFeeds;
}

bool IsProductTagAt(const std::string& text, std::size_t at) {
    static const char TAG[] = "<product";
    const std::size_t length = sizeof TAG - 1;
    if (at + length >= text.size()) return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (LowerAsciiChar(text[at + i]) != TAG[i]) return false;
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

// Cut in the text's own buffer: the file may be tens of megabytes, and a fresh copy
// of it costs more than the scans.
std::optional<std::string> CutProducts(std::string&& text, const Cut& cut) {
    if (text.empty()) return std::nullopt;
    if (cut.start == 0 || cut.end == 0 || cut.end <= cut.start) return std::string();
    text.erase(static_cast<std::size_t>(cut.end - 1));
    text.erase(0, static_cast<std::size_t>(cut.start - 1));
    return std::move(text);
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

// Products after a NUL, outside the first vendor set, in other units or without an
// end tag would be dropped by the rewrite: such a file is left as it is.
std::optional<std::string> ExtractExistingProducts(Platform& platform, const std::string& path) {
    std::string text = ReadLabelFileText(platform, path);
    // The read refuses a NUL anywhere but at the end: the text runs up to its last one.
    const std::size_t nul = !text.empty() && text.back() == '\0' ? text.size() - 1 : text.size();

    if (nul + 1 == text.size() && HasOnlyCrLfBreaks(text, nul)) {
        // Already in the written form up to the final NUL, which no marker holds: cut
        // from the text as read, and count only what lies outside the cut.
        const Cut cut = FindCut(text);
        const bool cutHolds = cut.start != 0 && cut.end > cut.start;
        const std::int32_t dropped =
            cutHolds ? CountProductElementsIn(text, 0, static_cast<std::size_t>(cut.start - 1)) +
                           CountProductElementsIn(text, static_cast<std::size_t>(cut.end - 1),
                                                  text.size())
                     : CountProductElements(text);
        if (dropped > 0) RaiseDroppedProducts(platform, path);
        if (nul == 0) return std::nullopt;
        return CutProducts(std::move(text), cut);
    }

    std::string normalized = NormalizeLineBreaks(text);
    const Cut cut = FindCut(normalized);
    std::optional<std::string> products = CutProducts(std::move(normalized), cut);
    const std::int32_t kept = products ? CountProductElements(*products) : 0;
    if (kept < CountProductElements(text)) RaiseDroppedProducts(platform, path);
    return products;
}

}  // namespace velkaris

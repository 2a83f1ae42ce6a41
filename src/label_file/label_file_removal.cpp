#include "label_file/label_file_removal.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/pack.h"
#include "label_file/label_file_change.h"
#include "label_file/label_file_reader.h"
#include "label_file/label_file_structure.h"
#include "label_file/product_comparison.h"
#include "text/ascii_case.h"
#include "text/errors.h"
#include "text/xml_reader.h"

namespace velkaris {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// Past the line break at at (CR LF, CR or LF); at itself when none stands there.
std::size_t PastLineBreak(std::string_view text, std::size_t at) {
    if (at < text.size() && text[at] == '\r') ++at;
    if (at < text.size() && text[at] == '\n') ++at;
    return at;
}

// A product that fills its lines takes them with it, and the blank line after it,
// which the install writes between products: the rest reads as if it had never been
// there. One that shares a line with other markup takes only its own bytes.
Span WithItsLines(std::string_view text, Span product) {
    std::size_t start = product.begin;
    while (start > 0 && IsBlank(text[start - 1])) --start;
    std::size_t end = product.end;
    while (end < text.size() && IsBlank(text[end])) ++end;
    const bool ownLines = (start == 0 || IsLineBreak(text[start - 1])) &&
                          (end == text.size() || IsLineBreak(text[end]));
    if (!ownLines) return product;
    end = PastLineBreak(text, end);
    std::size_t blank = end;
    while (blank < text.size() && IsBlank(text[blank])) ++blank;
    if (blank < text.size() && IsLineBreak(text[blank])) end = PastLineBreak(text, blank);
    return {start, end};
}

// The text is written in UTF-8, so a declaration that named the file's old encoding
// must name this one; the later read holds the file to it.
void DeclareUtf8(std::string& text, const LabelFileStructure& structure) {
    const Span encoding = structure.declaredEncoding;
    if (encoding.size() != 0 && !SameIgnoringAsciiCase(encoding.Of(text), "utf-8")) {
        text.replace(encoding.begin, encoding.size(), "utf-8");
    }
}

}  // namespace

LabelFileRemovalResult RemovePackFromLabelFile(Platform& platform, const std::string& folder) {
    if (folder.empty()) {
        throw EFOpenError(
            "Cannot open file \"pg_custom.xml\". The application data folder of the "
            "current user could not be found");
    }
    LabelFileRemovalResult result;
    result.path = LabelFilePath(platform, folder);
    LabelFileChange change(platform, result.path);
    result.present = change.FilePresent();
    if (!result.present) return result;
    std::optional<LabelFileContent> content = ReadLabelFileContent(platform, result.path);
    // Which products are the pack's cannot be told in a file that is not XML; one of
    // white space, a declaration or comments holds no labels yet.
    if (!content || content->structure.noElement) return result;
    const std::string& text = content->text;

    std::vector<Span> removed;
    for (const LabelFileProduct& product : content->structure.products) {
        if (product.pack == nullptr) continue;
        if (IsSameProduct(product.element.Of(text), PackProductText(*product.pack))) {
            removed.push_back(WithItsLines(text, product.element));
        } else {
            result.kept.push_back(std::string(product.pack->name));
        }
    }
    if (removed.empty()) return result;

    std::string kept;
    kept.reserve(text.size());
    std::size_t from = 0;
    for (const Span& span : removed) {
        const std::size_t begin = std::max(span.begin, from);
        kept.append(text, from, begin - from);
        from = std::max(span.end, from);
    }
    kept.append(text, from, std::string::npos);
    // The declaration comes before every product, so its place is the same.
    DeclareUtf8(kept, content->structure);
    // Word reads none of the labels of a file that is not well-formed.
    if (!IsWellFormedXml(kept)) {
        RaiseOpenError(platform, result.path, "Its labels could not be kept as well-formed XML");
    }
    change.Save(kept);
    result.removed = static_cast<std::int32_t>(removed.size());
    return result;
}

}  // namespace velkaris

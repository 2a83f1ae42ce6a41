#include "label_file/label_file_removal.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>

#include "catalogue/product_fragment.h"
#include "label_file/label_file_reader.h"
#include "label_file/product_comparison.h"
#include "services/file_reading.h"
#include "services/safe_save.h"
#include "text/errors.h"
#include "text/text.h"
#include "text/xml_reader.h"

namespace velkaris {

namespace {

// A product of the file's first vendor set: its bytes and its name.
struct FileProduct {
    Span whole;
    std::string name;
};

// Each product of the first vendor set with its name, the text of its prodName/locName.
std::vector<FileProduct> ProductsOfFirstVendorSet(std::string_view text) {
    std::vector<FileProduct> products;
    XmlReader reader(text);
    std::size_t setDepth = 0;
    bool setDone = false;
    std::size_t productStart = 0;
    std::string name;
    bool inLocName = false, inProdName = false;
    while (reader.Next()) {
        const std::string_view tag = reader.Name().Of(text);
        if (reader.Kind() == XmlToken::StartTag) {
            if (setDepth == 0 && !setDone && tag == "vendorProductSet") {
                setDepth = reader.Depth();
            } else if (setDepth != 0 && reader.Depth() == setDepth + 1 && tag == "product") {
                productStart = reader.Whole().begin;
                name.clear();
                if (reader.IsEmptyElement()) products.push_back({{productStart, reader.Whole().end}, ""});
            } else if (tag == "prodName") {
                inProdName = true;
            } else if (tag == "locName" && inProdName) {
                inLocName = true;
            }
        } else if (reader.Kind() == XmlToken::EndTag) {
            if (setDepth != 0 && reader.Depth() == setDepth) {
                setDepth = 0;
                setDone = true;
            } else if (setDepth != 0 && reader.Depth() == setDepth + 1 && tag == "product") {
                products.push_back({{productStart, reader.Whole().end}, name});
            } else if (tag == "prodName") {
                inProdName = false;
            } else if (tag == "locName") {
                inLocName = false;
            }
        } else if (reader.Kind() == XmlToken::Text && inLocName) {
            AppendResolvedText(reader.Content().Of(text), name);
        }
    }
    if (reader.Failed()) products.clear();
    return products;
}

// The product as the install writes it, from its opening line to its closing one.
std::string InstalledProduct(const PackProduct& product) {
    std::string text;
    for (int line = product.firstLine; line < product.firstLine + product.lineCount; ++line) {
        text += PRODUCT_FRAGMENT[static_cast<std::size_t>(line)];
        text += "\r\n";
    }
    return text;
}

const PackProduct* PackProductNamed(std::string_view name) {
    for (const PackProduct& product : PACK_PRODUCTS) {
        if (product.name == name) return &product;
    }
    return nullptr;
}

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

// The text now written in UTF-8, so a declaration that named the file's old
// encoding must name this one.
void DeclareUtf8(std::string& text) {
    XmlReader reader(text);
    if (!reader.Next() || reader.Kind() != XmlToken::Declaration) return;
    for (const XmlAttribute& attribute : reader.Attributes()) {
        if (attribute.name.Of(text) != "encoding") continue;
        if (LowerAscii(std::string(attribute.value.Of(text))) != "utf-8") {
            text.replace(attribute.value.begin, attribute.value.size(), "UTF-8");
        }
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
    result.present = FileIsPresent(platform, result.path);
    if (!result.present) return result;
    std::string text = ReadLabelFileText(platform, result.path);
    // The read refuses a NUL anywhere but at the end.
    if (!text.empty() && text.back() == '\0') text.pop_back();
    // Which products are the pack's cannot be told in a file that is not XML.
    if (!IsWellFormedXml(text)) {
        RaiseOpenError(platform, result.path, "Its labels could not be read as well-formed XML");
    }

    std::vector<Span> removed;
    for (const FileProduct& product : ProductsOfFirstVendorSet(text)) {
        const PackProduct* pack = PackProductNamed(product.name);
        if (pack == nullptr) continue;
        if (IsSameProduct(product.whole.Of(text), InstalledProduct(*pack))) {
            removed.push_back(WithItsLines(text, product.whole));
        } else {
            result.kept.push_back(product.name);
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
    DeclareUtf8(kept);
    // Word reads none of the labels of a file that is not well-formed.
    if (!IsWellFormedXml(kept)) {
        RaiseOpenError(platform, result.path, "Its labels could not be kept as well-formed XML");
    }
    SaveFileSafely(platform, result.path, kept, true);
    result.removed = static_cast<std::int32_t>(removed.size());
    return result;
}

}  // namespace velkaris

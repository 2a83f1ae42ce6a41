#include "label_file/label_file_install.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <utility>

#include "catalogue/label_records.h"
#include "catalogue/product_fragment.h"
#include "label_file/label_file_reader.h"
#include "label_file/pack_presence.h"
#include "label_file/product_extraction.h"
#include "label_file/product_id_renumbering.h"
#include "services/file_reading.h"
#include "services/safe_save.h"
#include "text/errors.h"
#include "text/text.h"
#include "text/utf8_utf16.h"
#include "text/xml_reader.h"

namespace velkaris {

namespace {

// Word creates Microsoft\Office on its first start; a user who never started it
// still gets the labels.
void EnsureOfficeFolder(Platform& platform, const std::string& folder) {
    platform.CreateDirectoryW(Utf8ToUtf16(folder + "\\Microsoft"));
    platform.CreateDirectoryW(Utf8ToUtf16(folder + "\\Microsoft\\Office"));
}

const std::string LINE_BREAK = "\r\n";

using PackSelection = std::array<bool, LABEL_COUNT>;  // true: the product is added

// The pack's products that are not there yet, in the pack's order, then the footer line.
std::string AddedText(const PackSelection& added) {
    std::string text;
    for (std::size_t i = 0; i < PACK_PRODUCTS.size(); ++i) {
        if (!added[i]) continue;
        const PackProduct& product = PACK_PRODUCTS[i];
        for (int line = product.firstLine; line < product.firstLine + product.lineCount; ++line) {
            text += PRODUCT_FRAGMENT[static_cast<std::size_t>(line)] + LINE_BREAK;
        }
    }
    return text + LABEL_FILE_FOOTER + LINE_BREAK;
}

PackSelection WholePack() {
    PackSelection all;
    all.fill(true);
    return all;
}

PackSelection MissingFrom(const std::string& products) {
    PackSelection missing = PackProductsPresent(products);
    for (bool& product : missing) product = !product;
    return missing;
}

// The header line, then between (nothing, or the line break of a file whose text was
// empty), then the pack and the footer.
std::string HeaderAndPack(const std::string& between) {
    std::string text = LABEL_FILE_HEADER + LINE_BREAK + between;
    std::int32_t lastId = 0;
    AppendRenumberedProductIds(AddedText(WholePack()), text, lastId);
    return text;
}

// The products' own buffer becomes the file: a second copy of a large file costs
// more than all the scans of it.
std::string MergedOver(std::string&& products, const PackSelection& added) {
    std::int32_t lastId = 0;
    std::string& text = products;
    if (!RenumberProductIdsInPlace(text, lastId)) {
        std::string renumbered;
        renumbered.reserve(text.size() + 64);
        AppendRenumberedProductIds(text, renumbered, lastId);
        text = std::move(renumbered);
    }
    text.insert(0, LABEL_FILE_HEADER + LINE_BREAK);
    text += LINE_BREAK + LINE_BREAK;
    AppendRenumberedProductIds(AddedText(added), text, lastId);
    return std::move(text);
}

}  // namespace

// The label file: its header line; when there was a file, the products cut from it
// followed by two line breaks (one ends their last line, one leaves an empty line;
// a file with empty text gives one line break alone); the pack's products that those
// do not hold; the footer line. Every line ends in CR LF. One count numbers
// the products carried over and then the pack, but a value is never looked for past
// the user's products: an unclosed one there would swallow the start of the pack.
std::string MergedLabelFileText() { return HeaderAndPack(""); }

std::string MergedLabelFileText(std::optional<std::string> products) {
    if (!products) return HeaderAndPack(LINE_BREAK);
    const PackSelection missing = MissingFrom(*products);
    return MergedOver(std::move(*products), missing);
}

LabelFileResult InstallLabelFile(Platform& platform, const std::string& folder) {
    // Without the folder the path would point at the root of the current drive.
    if (folder.empty()) {
        throw EFCreateError(
            "Cannot create file \"pg_custom.xml\". The application data folder of the "
            "current user could not be found");
    }
    const std::string path = LabelFilePath(platform, folder);
    const bool present = FileIsPresent(platform, path);
    LabelFileResult result{path, 0, LABEL_COUNT};
    std::string text;
    std::optional<std::string> products;
    if (present) products = ExtractExistingProducts(platform, path);
    if (products) {
        const PackSelection missing = MissingFrom(*products);
        result.packLabelsAdded =
            static_cast<std::int32_t>(std::count(missing.begin(), missing.end(), true));
        // The pack's products an earlier run added are not the user's own.
        result.productsKept = std::max(
            0, CountProductElements(*products) - (LABEL_COUNT - result.packLabelsAdded));
        text = MergedOver(std::move(*products), missing);
    } else {
        text = present ? MergedLabelFileText(std::nullopt) : MergedLabelFileText();
    }
    // Word reads none of the labels of a file that is not well-formed, so such a
    // file is never written; the one there is kept.
    if (!IsWellFormedXml(text)) {
        RaiseOpenError(platform, path, "Its labels could not be carried over as well-formed XML");
    }
    if (!present) EnsureOfficeFolder(platform, folder);
    // A file that was not read is never replaced: its labels would be lost.
    SaveFileSafely(platform, path, text, present);
    return result;
}

}  // namespace velkaris

#include "label_file/label_file_install.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <utility>

#include "catalogue/label_records.h"
#include "catalogue/product_fragment.h"
#include "label_file/label_file_reader.h"
#include "label_file/product_extraction.h"
#include "label_file/product_id_renumbering.h"
#include "services/file_reading.h"
#include "services/safe_save.h"
#include "text/errors.h"
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

// The products that are not the pack's, which an earlier run added.
std::int32_t OwnProducts(const std::vector<LabelFileProduct>& products) {
    return static_cast<std::int32_t>(
        std::count_if(products.begin(), products.end(), [](const LabelFileProduct& product) {
            return std::none_of(PACK_PRODUCTS.begin(), PACK_PRODUCTS.end(),
                                [&](const PackProduct& pack) { return pack.name == product.name; });
        }));
}

// The new file's text before its ids are renumbered. The stretch's own buffer
// becomes the file: a second copy of a large file costs more than all the scans of it.
std::string Merged(std::string&& stretch, const std::string& between, const PackSelection& added) {
    std::string& text = stretch;
    text.insert(0, LABEL_FILE_HEADER + LINE_BREAK);
    text += between;
    text += AddedText(added);
    return std::move(text);
}

// Word reads none of the labels of a file that is not well-formed, so such a file is
// never written; the one there is kept. The same scan gives the ids' places.
void Finish(Platform& platform, const std::string& path, std::string& text) {
    const LabelFileStructure written = ReadLabelFileStructure(text);
    if (!written.wellFormed) {
        RaiseOpenError(platform, path, "Its labels could not be carried over as well-formed XML");
    }
    RenumberProductIds(text, written.products);
}

}  // namespace

std::string MergedLabelFileText(Platform& platform, const std::string& path,
                                ExistingProducts&& existing) {
    PackSelection missing;
    std::transform(existing.packPresent.begin(), existing.packPresent.end(), missing.begin(),
                   [](bool present) { return !present; });
    std::string text = Merged(std::move(existing.stretch), LINE_BREAK + LINE_BREAK, missing);
    Finish(platform, path, text);
    return text;
}

// The label file: its header line; when there was a file, the products cut from it
// followed by two line breaks (one ends their last line, one leaves an empty line;
// a file with empty text gives one line break alone); the pack's products that those
// do not hold; the footer line. Every line ends in CR LF. The products' ids are then
// numbered 1, 2, 3, ... through the file.
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
    std::optional<ExistingProducts> existing;
    if (present) existing = ExtractExistingProducts(platform, path);
    if (existing) {
        result.packLabelsAdded = static_cast<std::int32_t>(std::count(
            existing->packPresent.begin(), existing->packPresent.end(), false));
        result.productsKept = OwnProducts(existing->products);
        // Nothing to add: the file stays exactly as it is, byte for byte.
        if (result.packLabelsAdded == 0) {
            result.unchanged = true;
            return result;
        }
        text = MergedLabelFileText(platform, path, std::move(*existing));
    } else {
        text = Merged("", present ? LINE_BREAK : "", WholePack());
        Finish(platform, path, text);
    }
    if (!present) EnsureOfficeFolder(platform, folder);
    // A file that was not read is never replaced: its labels would be lost.
    SaveFileSafely(platform, path, text, present);
    return result;
}

}  // namespace velkaris

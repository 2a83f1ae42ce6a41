#include "label_file/label_file_install.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <unordered_set>
#include <utility>

#include "catalogue/pack.h"
#include "label_file/label_file_change.h"
#include "label_file/label_file_reader.h"
#include "label_file/label_file_structure.h"
#include "label_file/product_extraction.h"
#include "label_file/product_id_renumbering.h"
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

// The pack's products that are not there yet, in the pack's order, their ids after
// lastId, then the footer line. The ids are placed by reading the products as XML,
// inside a vendor set of their own.
std::string AddedText(const PackSelection& added, std::int32_t& lastId) {
    const std::string open = "<vendorProductSet>";
    std::string text = open;
    for (const PackLabel* label : PackInFileOrder()) {
        if (added[PackIndex(*label)]) text += PackProductText(*label);
    }
    text += "</vendorProductSet>";
    RenumberProductIds(text, ReadLabelFileStructure(text).products, lastId);
    text.erase(text.size() - open.size() - 1);
    return text.erase(0, open.size()) + LABEL_FILE_FOOTER + LINE_BREAK;
}

PackSelection WholePack() {
    PackSelection all;
    all.fill(true);
    return all;
}

// The products that are not the pack's, which an earlier run added.
std::int32_t OwnProducts(const std::vector<LabelFileProduct>& products) {
    return static_cast<std::int32_t>(
        std::count_if(products.begin(), products.end(),
                      [](const LabelFileProduct& product) { return product.pack == nullptr; }));
}

// As a parser reads them: "1" and "&#49;" are one id.
bool IdsDistinct(const ExistingProducts& existing) {
    std::unordered_set<std::string> ids;
    for (const LabelFileProduct& product : existing.products) {
        if (!product.hasId) continue;
        std::string id;
        AppendResolvedText(product.id.Of(existing.stretch), id, true);
        if (!ids.insert(std::move(id)).second) return false;
    }
    return true;
}

// The header line, between, then the pack's products added and the footer. The
// products' own buffer becomes the file: a second copy of a large file costs more
// than the scan of it.
std::string Merged(std::string&& products, const std::string& between,
                   const PackSelection& added, std::int32_t lastId) {
    std::string& text = products;
    text.insert(0, LABEL_FILE_HEADER + LINE_BREAK);
    text += between;
    text += AddedText(added, lastId);
    return std::move(text);
}

}  // namespace

std::string MergedLabelFileText(ExistingProducts&& existing) {
    PackSelection missing;
    std::transform(existing.packPresent.begin(), existing.packPresent.end(), missing.begin(),
                   [](bool present) { return !present; });
    // The file was well-formed and no prefix of the products was declared outside
    // them, so the new file is well-formed too: between the installer's own lines
    // stand whole elements only.
    std::int32_t lastId = 0;
    RenumberProductIds(existing.stretch, existing.products, lastId);
    return Merged(std::move(existing.stretch), LINE_BREAK + LINE_BREAK, missing, lastId);
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
    EnsureOfficeFolder(platform, folder);
    LabelFileChange change(platform, path);
    LabelFileResult result{path, 0, LABEL_COUNT};
    std::string text;
    std::optional<ExistingProducts> existing;
    if (change.FilePresent()) existing = ExtractExistingProducts(platform, path);
    if (existing) {
        result.packLabelsAdded = static_cast<std::int32_t>(std::count(
            existing->packPresent.begin(), existing->packPresent.end(), false));
        result.productsKept = OwnProducts(existing->products);
        // Nothing to add: the file stays exactly as it is, byte for byte, unless two of
        // its products share an id, which a rewrite mends.
        if (result.packLabelsAdded == 0 && IdsDistinct(*existing)) {
            result.unchanged = true;
            return result;
        }
        text = MergedLabelFileText(std::move(*existing));
    } else {
        text = Merged("", change.FilePresent() ? LINE_BREAK : "", WholePack(), 0);
    }
    // A file that was not read is never replaced: its labels would be lost.
    change.Save(text);
    return result;
}

}  // namespace velkaris

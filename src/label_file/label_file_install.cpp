#include "label_file/label_file_install.h"

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
#include "text/text.h"
#include "text/utf8_utf16.h"
#include "text/xml_well_formed.h"

namespace velkaris {

namespace {

// Word creates Microsoft\Office on its first start; a user who never started it
// still gets the labels.
void EnsureOfficeFolder(Platform& platform, const std::string& folder) {
    platform.CreateDirectoryW(Utf8ToUtf16(folder + "\\Microsoft"));
    platform.CreateDirectoryW(Utf8ToUtf16(folder + "\\Microsoft\\Office"));
}

const std::string LINE_BREAK = "\r\n";

// The pack's first name anywhere in the products carried over, in any letter case.
bool HoldsThePack(const std::string& products) {
    return FindTextIgnoringCase(LowerAscii(std::string(LABEL_NAMES[0])), products) != 0;
}

// The pack's lines unless the products carried over hold it, then the footer line.
std::string AddedText(bool held) {
    std::string added;
    if (!held) {
        for (const char* line : PRODUCT_FRAGMENT) added += line + LINE_BREAK;
    }
    return added + LABEL_FILE_FOOTER + LINE_BREAK;
}

// The header line, then between (nothing, or the line break of a file whose text was
// empty), then the pack and the footer.
std::string HeaderAndPack(const std::string& between) {
    std::string text = LABEL_FILE_HEADER + LINE_BREAK + between;
    std::int32_t lastId = 0;
    AppendRenumberedProductIds(AddedText(false), text, lastId);
    return text;
}

}  // namespace

// The label file: its header line; when there was a file, the products cut from it
// followed by two line breaks (one ends their last line, one leaves an empty line;
// a file with empty text gives one line break alone); the pack's lines unless those
// products hold it; the footer line. Every line ends in CR LF. One count numbers
// the products carried over and then the pack, but a value is never looked for past
// the user's products: an unclosed one there would swallow the start of the pack.
std::string MergedLabelFileText() { return HeaderAndPack(""); }

std::string MergedLabelFileText(std::optional<std::string> products) {
    if (!products) return HeaderAndPack(LINE_BREAK);
    std::int32_t lastId = 0;
    const std::string added = AddedText(HoldsThePack(*products));
    // The products' own buffer becomes the file: a second copy of a large file costs
    // more than all the scans of it.
    std::string& text = *products;
    if (!RenumberProductIdsInPlace(text, lastId)) {
        std::string renumbered;
        renumbered.reserve(text.size() + 64);
        AppendRenumberedProductIds(text, renumbered, lastId);
        text = std::move(renumbered);
    }
    text.insert(0, LABEL_FILE_HEADER + LINE_BREAK);
    text += LINE_BREAK + LINE_BREAK;
    AppendRenumberedProductIds(added, text, lastId);
    return std::move(text);
}

void InstallLabelFile(Platform& platform, const std::string& folder) {
    // Without the folder the path would point at the root of the current drive.
    if (folder.empty()) {
        throw EFCreateError(
            "Cannot create file \"pg_custom.xml\". The application data folder of the "
            "current user could not be found");
    }
    const std::string path = LabelFilePath(platform, folder);
    const bool present = FileIsPresent(platform, path);
    const std::string text = present ? MergedLabelFileText(ExtractExistingProducts(platform, path))
                                     : MergedLabelFileText();
    // Word reads none of the labels of a file that is not well-formed, so such a
    // file is never written; the one there is kept.
    if (!IsWellFormedXml(text)) {
        RaiseOpenError(platform, path, "Its labels could not be carried over as well-formed XML");
    }
    if (!present) EnsureOfficeFolder(platform, folder);
    // A file that was not read is never replaced: its labels would be lost.
    SaveFileSafely(platform, path, text, present);
}

}  // namespace velkaris

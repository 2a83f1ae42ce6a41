#include "labelfile/label_file_install.h"

#include "catalogue/label_records.h"
#include "catalogue/product_fragment.h"
#include "labelfile/label_file_reader.h"
#include "labelfile/product_extraction.h"
#include "labelfile/product_id_renumbering.h"
#include "support/exception.h"
#include "support/file_primitives.h"
#include "support/text.h"
#include "support/xml_well_formed.h"

namespace velkaris {

namespace {

// Word creates Microsoft\Office on its first start; a user who never started it
// still gets the labels.
void EnsureOfficeFolder(Platform& platform, const std::string& folder) {
    platform.CreateDirectoryA(folder + "\\Microsoft");
    platform.CreateDirectoryA(folder + "\\Microsoft\\Office");
}

// The pack's first name anywhere in the products carried over, in any letter case.
// The probe needs no copy: the name has no line break and no control character at
// either end, so neither the join nor a trim could change where it matches.
bool HoldsThePack(const LineList* existing) {
    if (existing == nullptr || existing->ItemCount() == 0) return false;
    return FindTextIgnoringCase(LowerAscii(std::string(LABEL_NAMES[0])), existing->Item(0)) != 0;
}

}  // namespace

std::string MergedLabelFileText(const LineList* existing) {
    // The file as a list would join it: the header, the products carried over as one
    // item, the pack unless they hold it, the footer, each followed by CR LF.
    const std::string lineBreak = "\r\n";
    std::string added;
    if (!HoldsThePack(existing)) {
        for (const char* line : PRODUCT_FRAGMENT) added += line + lineBreak;
    }
    added += LABEL_FILE_FOOTER + lineBreak;

    std::size_t size = 64 + added.size();
    if (existing != nullptr) {
        for (std::int32_t i = 0; i < existing->ItemCount(); ++i) size += existing->Item(i).size();
    }
    std::string text;
    text.reserve(size);
    // One count runs through the products carried over and the pack, but a value is
    // never looked for past the user's products: an unclosed one there would swallow
    // the start of the pack. The header and the line breaks hold no id.
    std::int32_t lastId = 0;
    text += LABEL_FILE_HEADER + lineBreak;
    if (existing != nullptr) {
        for (std::int32_t i = 0; i < existing->ItemCount(); ++i) {
            AppendRenumberedProductIds(existing->Item(i), text, lastId);
            text += lineBreak;
        }
        text += lineBreak;
    }
    AppendRenumberedProductIds(added, text, lastId);
    return text;
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
    std::string text;
    if (present) {
        const LineList existing = ExtractExistingProducts(platform, path);
        text = MergedLabelFileText(&existing);
    } else {
        text = MergedLabelFileText(nullptr);
    }
    // Word reads none of the labels of a file that is not well-formed, so such a
    // file is never written; the one there is kept.
    if (!IsWellFormedXml(text)) {
        RaiseOpenError(platform, path, "Its labels could not be carried over as well-formed XML");
    }
    if (!present) EnsureOfficeFolder(platform, folder);
    // A file that was not read is never replaced: its labels would be lost.
    WriteTextToFile(platform, path, text, present);
}

}  // namespace velkaris

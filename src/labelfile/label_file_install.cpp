#include "labelfile/label_file_install.h"

#include "catalogue/label_records.h"
#include "catalogue/product_fragment.h"
#include "labelfile/label_file_reader.h"
#include "labelfile/product_extraction.h"
#include "labelfile/product_id_renumbering.h"
#include "support/exception.h"
#include "support/file_primitives.h"
#include "support/text.h"

namespace velkaris {

namespace {

// Word creates Microsoft\Office on its first start; a user who never started it
// still gets the labels.
void EnsureOfficeFolder(Platform& platform, const std::string& folder) {
    platform.CreateDirectoryA(folder + "\\Microsoft");
    platform.CreateDirectoryA(folder + "\\Microsoft\\Office");
}

bool HoldsThePack(const LineList& list) {
    const std::string probe = TrimControls(LowerAscii(list.WholeText()));
    return FindText(LowerAscii(std::string(LABEL_NAMES[0])), probe) != 0;
}

}  // namespace

LineList MergeLabelFile(const LineList* existing) {
    LineList out;
    out.AddItem(LABEL_FILE_HEADER);
    if (existing != nullptr) out.AddItem(existing->WholeText());
    if (!HoldsThePack(out)) {
        for (const char* line : PRODUCT_FRAGMENT) out.AddItem(line);
    }
    out.AddItem(LABEL_FILE_FOOTER);
    RenumberProductIds(out);
    return out;
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
    LineList out;
    if (present) {
        const LineList existing = ExtractExistingProducts(platform, path);
        out = MergeLabelFile(&existing);
    } else {
        out = MergeLabelFile(nullptr);
        EnsureOfficeFolder(platform, folder);
    }
    // A file that was not read is never replaced: its labels would be lost.
    out.WriteToFile(platform, path, present);
}

}  // namespace velkaris

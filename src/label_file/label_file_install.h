#pragma once
// Word 12.0 keeps custom labels in pg_custom.xml in the user's application-data folder.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace velkaris {

// What one install did, for whoever keeps a record of it.
struct LabelFileResult {
    std::string path;                  // the label file written
    std::int32_t productsKept = 0;     // the user's own products carried over
    std::int32_t packLabelsAdded = 0;  // 0 when the file held the whole pack already
};

// Rewrites the label file under the folder with the pack merged in.
LabelFileResult InstallLabelFile(Platform& platform, const std::string& folder);

// The new label file when there was none: header, the pack, footer.
std::string MergedLabelFileText();
// The new label file over an old one: header, the products cut from it (nothing when
// its text was empty), the pack unless they hold it, footer, ids renumbered.
std::string MergedLabelFileText(std::optional<std::string> products);

}  // namespace velkaris

#pragma once
// Word 12.0 keeps custom labels in pg_custom.xml in the user's application-data folder.

#include <cstdint>
#include <optional>
#include <string>

#include "label_file/product_extraction.h"
#include "platform/platform.h"

namespace velkaris {

// What one install did, for whoever keeps a record of it.
struct LabelFileResult {
    std::string path;                  // the label file written
    std::int32_t productsKept = 0;     // the user's own products carried over
    std::int32_t packLabelsAdded = 0;  // 0 when the file held the whole pack already
    bool unchanged = false;            // the file held the pack and was left as it was
};

// Rewrites the label file under the folder with the pack merged in; leaves one that
// holds the whole pack as it is.
LabelFileResult InstallLabelFile(Platform& platform, const std::string& folder);

// The new text of a label file over the products cut from it: header, those products,
// the pack's that they do not hold, footer, ids renumbered.
std::string MergedLabelFileText(ExistingProducts&& existing);

}  // namespace velkaris

#pragma once
// Word 12.0 keeps custom labels in pg_custom.xml in the user's application-data folder.

#include <string>

#include "platform/platform.h"
#include "support/line_list.h"

namespace velkaris {

// Rewrites the label file under the folder with the pack merged in.
void InstallLabelFile(Platform& platform, const std::string& folder);

// The new label file: header, the products extracted from the old file (when
// there was one), the pack unless already present, footer, ids renumbered.
std::string MergedLabelFileText(const LineList* existing);

}  // namespace velkaris

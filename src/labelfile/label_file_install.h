#pragma once
// Word 12.0 keeps custom labels in pg_custom.xml in the user's application-data folder.

#include <string>

#include "platform/platform.h"

namespace velkaris {

// Rewrites the label file under the folder with the pack merged in.
void InstallLabelFile(Platform& platform, const std::string& folder);

}  // namespace velkaris

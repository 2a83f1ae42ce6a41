#include "labelfile/label_file_install.h"

namespace velkaris {

// The label file install arrives with its own change; until then Word 12.0 gets nothing.
void InstallLabelFile(Platform&, const std::string&) {}

}  // namespace velkaris

#pragma once
// Which Word the user has, as the install and the uninstall both need to know it
// before they ask their question.

#include "catalogue/word_versions.h"
#include "installer/run_installer.h"

namespace velkaris {

// Word 8.0 to 12.0; the newer versions are only seen.
bool IsSupported(const WordVersion& version);

// The first supported version whose key opens, logged. With none, the run ends here
// with the No Word box, or the Word-too-new box when a newer Word is there, and the
// result is null.
const WordVersion* DetectWordOrEndRun(Program& program);

}  // namespace velkaris

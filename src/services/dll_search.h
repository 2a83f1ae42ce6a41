#pragma once
// Where the program lets Windows look for the DLLs it loads after it starts.

#include "platform/platform.h"

namespace velkaris {

// Limits the DLL search to the system folder. Windows looks for a DLL that is not
// a KnownDLL in the program's own folder first, and a downloaded program's folder
// is Downloads, which holds whatever else a browser saved there. Windows without
// SetDefaultDllDirectories at least loses the current folder from the search.
// Must run before anything can load a DLL.
void RestrictDllSearch(Platform& platform);

}  // namespace velkaris

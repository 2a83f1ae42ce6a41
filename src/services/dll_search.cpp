#include "services/dll_search.h"

#include "platform/win_values.h"

namespace velkaris {

void RestrictDllSearch(Platform& platform) {
    if (platform.SetDefaultDllDirectories(win::LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    // Windows 7 and older without update KB2533623: take out the current folder at least.
    // Should that fail too, the install goes on with the search Windows gives it.
    platform.SetDllDirectoryW(u"");
}

}  // namespace velkaris

#include "services/dll_search.h"

#include "platform/win_values.h"

namespace velkaris {

namespace {

// DLLs that Windows' own modules load by name while the program runs: uxtheme and
// msimg32 for the message boxes' look, version for Wine's user32. Not every loader
// applies the restriction to such loads (Wine's does not), so they are taken from
// the system folder first; a later load by name finds them loaded.
const char16_t* const SYSTEM_LIBRARIES_TO_LOAD_FIRST[] = {u"version.dll", u"uxtheme.dll",
                                                          u"msimg32.dll"};

}  // namespace

void RestrictDllSearch(Platform& platform) {
    if (platform.SetDefaultDllDirectories(win::LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        for (const char16_t* name : SYSTEM_LIBRARIES_TO_LOAD_FIRST) {
            // One that is missing is simply not there to be planted over.
            platform.LoadLibraryExW(name, win::LOAD_LIBRARY_SEARCH_SYSTEM32);
        }
        return;
    }
    // Windows 7 and older without update KB2533623: take out the current folder at least.
    // Should that fail too, the install goes on with the search Windows gives it.
    platform.SetDllDirectoryW(u"");
}

}  // namespace velkaris

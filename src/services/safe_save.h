#pragma once
// Saving a file so that a failure never leaves it half written: the new text goes to
// a temporary file beside it, is flushed, and replaces the file in one rename.

#include <string>

#include "platform/platform.h"

namespace velkaris {

// Writes text to path.new, flushes and closes it, then renames it over path. On any
// failure the file at path keeps its old bytes and path.new is removed. Without
// replaceExisting a file that appeared at path meanwhile is kept and the save fails.
// Raises EFCreateError ("Cannot create file ...") or EWriteError.
void SaveFileSafely(Platform& platform, const std::string& path, const std::string& text,
                    bool replaceExisting);

}  // namespace velkaris

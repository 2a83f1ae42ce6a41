#pragma once
// Saving a file so that a failure never leaves it half written: the new text goes to
// a temporary file beside it, is flushed, and replaces the file in one rename.

#include <string>

#include "platform/platform.h"
#include "services/held_file.h"

namespace velkaris {

// Writes text to path.new, flushes and closes it, then renames it over path. On any
// failure the file at path keeps its old bytes and path.new is removed. replaced is
// the file at path as it was read, held until just before the rename and replaced
// only when unchanged; without it, a file that appeared at path meanwhile is kept and
// the save fails. Raises EFCreateError ("Cannot create file ...", naming the leftover
// in the way when one could not be taken away) or EWriteError.
void SaveFileSafely(Platform& platform, const std::string& path, const std::string& text,
                    HeldFile* replaced);

}  // namespace velkaris

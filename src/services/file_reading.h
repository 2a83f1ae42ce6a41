#pragma once
// Thin file helpers for reading the label file. Paths are UTF-8 here and go to
// the seam in UTF-16. Soft failures are results: the invalid handle -1, a
// position or count of -1, false.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {


bool FileIsPresent(Platform& platform, const std::string& path);
FileHandle OpenForReading(Platform& platform, const std::string& path);
std::int32_t SetFilePosition(Platform& platform, FileHandle file, std::int32_t offset,
                             std::int32_t origin);
std::int32_t ReadBytes(Platform& platform, FileHandle file, char* buffer, std::int32_t count);
void CloseFileHandle(Platform& platform, FileHandle file);
// The path made absolute with GetFullPathNameW, for messages; the path as given
// when the platform cannot resolve it.
std::string AbsolutePath(Platform& platform, const std::string& path);

}  // namespace velkaris

#pragma once
// File names as Windows compares them: letter case does not count.

#include <string_view>

namespace velkaris {

// Whether two UTF-16 paths are the same ignoring letter case, for the letters of
// Latin (ASCII, Latin-1, Latin Extended-A: every Polish letter), Greek and Cyrillic.
bool SameFileName(std::u16string_view a, std::u16string_view b);

}  // namespace velkaris

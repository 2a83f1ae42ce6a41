#pragma once
// Cuts the products a label file already holds out of it: from the first product in
// EMU units up to the end tag of the first vendor product set.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace velkaris {

// Nothing when the file's text is empty, else the stretch, possibly empty, in the
// file's own letter case, its line breaks CR LF. Raises EFOpenError when the file
// holds product elements outside the stretch, since the rewritten file would lose them.
std::optional<std::string> ExtractExistingProducts(Platform& platform, const std::string& path);

// The product elements in a text, in any letter case and any unit.
std::int32_t CountProductElements(const std::string& text);

}  // namespace velkaris

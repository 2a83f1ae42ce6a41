#pragma once
// Word needs the product ids of its custom label file to be distinct, so after a merge
// every productID="..." value is replaced by a running count through the whole file.

#include <cstdint>
#include <string>

#include "support/line_list.h"

namespace velkaris {

// Replaces the value of every productID=" marker (exact case), in text order, with
// 1, 2, 3, ... and re-splits the list into plain lines. A text without any marker
// leaves the list as it is. A marker with no closing double quote after it ends the
// renumbering there; the rest of the text is kept unchanged.
void RenumberProductIds(LineList& list);

// The same on a whole text, appended to out, counting on from lastId, which
// receives the last id given. A text without any marker is appended as it is.
void AppendRenumberedProductIds(const std::string& text, std::string& out, std::int32_t& lastId);

}  // namespace velkaris

#pragma once
// Word needs the product ids of its custom label file to be distinct, so after a merge
// every productID="..." value is replaced by a running count through the whole file.

#include <cstdint>
#include <string>

namespace velkaris {

// Appends text to out with the value of every productID=" marker (exact case), in
// text order, replaced by the next number after lastId, which receives the last one
// given. A marker with no closing double quote after it ends the renumbering there;
// the rest of the text is kept unchanged.
void AppendRenumberedProductIds(const std::string& text, std::string& out, std::int32_t& lastId);

// The same in the text's own buffer, when no new value is longer than the one it
// replaces (as in a file whose ids already run 1, 2, 3, ...); false, with the text
// and lastId unchanged, when one would be.
bool RenumberProductIdsInPlace(std::string& text, std::int32_t& lastId);

}  // namespace velkaris

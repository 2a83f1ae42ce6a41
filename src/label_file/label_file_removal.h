#pragma once
// Taking the pack back out of Word 12.0's label file: only the products the install
// wrote and the user has not changed since.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace velkaris {

struct LabelFileRemovalResult {
    std::string path;               // the label file looked at
    bool present = false;           // there was one
    std::int32_t removed = 0;       // the pack's products taken out
    // The pack's names whose product differs from the one the install writes: the
    // user edited it, so it is theirs now.
    std::vector<std::string> kept;
};

// Takes out of the label file under the folder each product of its first vendor set
// that bears a pack name and is, as XML, the product the install writes for it (its
// productID aside, white space between elements ignored), together with the lines it
// stood on. Everything else stays byte for byte, in UTF-8; a file from which nothing
// is taken out is not rewritten. The read and the save are the install's, under its
// lock. Raises EFOpenError when the file cannot be read whole or is not XML that Word
// can read, the lock's EFCreateError and the save's errors.
LabelFileRemovalResult RemovePackFromLabelFile(Platform& platform, const std::string& folder);

}  // namespace velkaris

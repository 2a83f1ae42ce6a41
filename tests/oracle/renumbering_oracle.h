#pragma once
// The product id renumbering done the slow, literal way: one replacement at a time, the
// whole text rebuilt and re-split after each, the next search resuming where the closing
// quote stood before the replacement. Tests compare the one-pass version against it.

#include "oracle/line_list.h"

namespace velkaris {

struct LiteralRenumberingOutcome {
    // A marker had no closing quote after it. The literal steps would then grow the
    // text without end; the oracle stops instead, and its result means nothing.
    bool missingCloseQuote = false;
    // After a replacement the next search, resuming at the stale position, did not land
    // on the marker that follows the one just handled: it skipped it or found an
    // earlier one again. The result then differs from renumbering in text order.
    bool leftTextOrder = false;
    int replacements = 0;
};

LiteralRenumberingOutcome RenumberProductIdsLiterally(LineList& list);

}  // namespace velkaris

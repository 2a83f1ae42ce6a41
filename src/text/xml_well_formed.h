#pragma once
// Whether a text is a well-formed XML 1.0 document in UTF-8 without a document type:
// the label file the installer writes must be one, or Word reads none of its labels.

#include <string_view>

namespace velkaris {

// Valid UTF-8 of XML characters; ASCII names; one root element with properly nested, matching
// tags; unique attribute names; only the five predefined entities and references to
// XML characters; no "]]>" in text; comments, CDATA sections and processing
// instructions closed, and an XML declaration only at the very start.
bool IsWellFormedXml(std::string_view document);

}  // namespace velkaris

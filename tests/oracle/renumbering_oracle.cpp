#include "oracle/renumbering_oracle.h"

#include <cstdint>
#include <string>
#include <vector>

#include "text/text.h"

namespace velkaris {

namespace {

const std::string MARKER = "productID=\"";
constexpr std::int32_t MARKER_LENGTH = 11;

std::int32_t Length(const std::string& text) {
    return static_cast<std::int32_t>(text.size());
}

// 1-based start positions of every marker; occurrences of the marker cannot overlap.
std::vector<std::int32_t> MarkerPositions(const std::string& text) {
    std::vector<std::int32_t> positions;
    for (std::int32_t at = FindText(MARKER, text); at != 0;
         at = FindTextFrom(MARKER, text, at + MARKER_LENGTH)) {
        positions.push_back(at);
    }
    return positions;
}

std::int32_t MarkersBefore(const std::string& text, std::int32_t position) {
    std::int32_t count = 0;
    for (std::int32_t at : MarkerPositions(text)) {
        if (at < position) {
            ++count;
        }
    }
    return count;
}

}  // namespace

LiteralRenumberingOutcome RenumberProductIdsLiterally(LineList& list) {
    LiteralRenumberingOutcome outcome;
    std::int32_t from = 1;
    std::int32_t count = 0;
    for (;;) {
        ++count;
        const std::string text = list.WholeText();
        const std::int32_t p = FindTextFrom(MARKER, text, from);
        if (p == 0) {
            return outcome;
        }
        const std::int32_t valueStart = p + MARKER_LENGTH;
        const std::int32_t close = FindTextFrom("\"", text, valueStart);
        if (close == 0) {
            outcome.missingCloseQuote = true;
            return outcome;
        }
        const std::string number = DecimalText(count);
        const std::string replaced = ConcatTexts(
            {CopyRange(text, 1, valueStart - 1), number, CopyRange(text, close, Length(text))});
        list.SetWholeText(replaced);
        ++outcome.replacements;
        from = close;

        const std::string next = list.WholeText();
        // Re-splitting only adds line-break bytes or cuts at a NUL, never inside a
        // marker, so markers keep their order: the one due next is the one whose
        // ordinal equals the number of markers before the new closing quote.
        const std::int32_t due = MarkersBefore(replaced, valueStart + Length(number));
        const std::vector<std::int32_t> markers = MarkerPositions(next);
        const std::int32_t expected =
            due < static_cast<std::int32_t>(markers.size()) ? markers[due] : 0;
        const std::int32_t found = FindTextFrom(MARKER, next, from);
        if (found != expected) {
            outcome.leftTextOrder = true;
        }
        if (found == 0) {
            return outcome;
        }
    }
}

}  // namespace velkaris

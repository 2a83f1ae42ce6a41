#include "text/text.h"

#include <algorithm>
#include <cstddef>

namespace velkaris {

namespace {

std::int32_t Length(const std::string& text) { return static_cast<std::int32_t>(text.size()); }

// Start positions first..last, 1-based, ascending; no wrap-around. The library search
// skips ahead to each candidate first byte: the label file is searched whole many times.
std::int32_t SearchRange(const std::string& needle, const std::string& text, std::int32_t first,
                         std::int32_t last) {
    const std::size_t found = text.find(needle, static_cast<std::size_t>(first - 1));
    if (found == std::string::npos || found > static_cast<std::size_t>(last - 1)) return 0;
    return static_cast<std::int32_t>(found + 1);
}

}  // namespace

std::string LowerAscii(const std::string& text) {
    std::string result = text;
    for (char& c : result) c = LowerAsciiChar(c);
    return result;
}

std::int32_t FindText(const std::string& needle, const std::string& text) {
    if (needle.empty() || text.empty() || needle.size() > text.size()) return 0;
    return SearchRange(needle, text, 1, Length(text) - Length(needle) + 1);
}

std::int32_t FindTextFrom(const std::string& needle, const std::string& text,
                          std::int32_t offset) {
    if (needle.empty()) return 0;
    if (offset == 1) return FindText(needle, text);
    const std::int32_t first = offset <= 0 ? 1 : offset;
    const std::int32_t last = Length(text) - Length(needle) + 1;
    if (first > last) return 0;
    return SearchRange(needle, text, first, last);
}

std::int32_t FindTextIgnoringCase(const std::string& lowerNeedle, const std::string& text) {
    if (lowerNeedle.empty() || lowerNeedle.size() > text.size()) return 0;
    const char first = lowerNeedle[0];
    const bool firstIsLetter = first >= 'a' && first <= 'z';
    const std::size_t last = text.size() - lowerNeedle.size();
    // Skips to the next place the first byte stands, in either letter case, with the
    // library's byte search.
    const char upper = firstIsLetter ? static_cast<char>(first - 32) : first;
    std::size_t nextLower = text.find(first);
    std::size_t nextUpper = firstIsLetter ? text.find(upper) : std::string::npos;
    while (true) {
        const std::size_t at = std::min(nextLower, nextUpper);
        if (at == std::string::npos || at > last) return 0;
        if (at == nextLower) nextLower = text.find(first, at + 1);
        if (at == nextUpper) nextUpper = text.find(upper, at + 1);
        std::size_t i = 1;
        while (i < lowerNeedle.size() && LowerAsciiChar(text[at + i]) == lowerNeedle[i]) ++i;
        if (i == lowerNeedle.size()) return static_cast<std::int32_t>(at + 1);
    }
}

std::string CopyRange(const std::string& text, std::int32_t index, std::int32_t count) {
    if (text.empty()) return {};
    const std::int32_t start = index < 1 ? 1 : index;
    if (start > Length(text) || count < 0) return {};
    return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

std::string DecimalText(std::int32_t value) {
    return std::to_string(value);
}

std::string ConcatTexts(std::initializer_list<std::string> texts) {
    std::size_t total = 0;
    for (const std::string& text : texts) total += text.size();
    std::string result;
    result.reserve(total);
    for (const std::string& text : texts) result += text;
    return result;
}

}  // namespace velkaris

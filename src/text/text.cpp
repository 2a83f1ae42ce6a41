#include "text/text.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace velkaris {

namespace {

std::int32_t Length(const std::string& text) { return static_cast<std::int32_t>(text.size()); }

std::int32_t Position(std::size_t found) {
    return found == std::string_view::npos ? 0 : static_cast<std::int32_t>(found + 1);
}

}  // namespace

// Boyer-Moore-Horspool with a table of 256 skips: the label file is searched whole,
// and skipping by up to the needle's length reads a fraction of its bytes. With
// ignoreCase the needle is lower case and each letter skips in both cases.
std::size_t SearchText(std::string_view text, std::string_view needle, std::size_t from,
                       bool ignoreCase) {
    const std::size_t n = needle.size();
    if (n == 0 || from > text.size() || text.size() - from < n) return std::string_view::npos;
    std::size_t skip[256];
    for (std::size_t& s : skip) s = n;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const auto c = static_cast<unsigned char>(needle[i]);
        skip[c] = n - 1 - i;
        if (ignoreCase && c >= 'a' && c <= 'z') skip[c - 'a' + 'A'] = n - 1 - i;
    }
    const auto same = [ignoreCase](char a, char b) {
        return (ignoreCase ? LowerAsciiChar(a) : a) == b;
    };
    for (std::size_t at = from; at + n <= text.size();
         at += skip[static_cast<unsigned char>(text[at + n - 1])]) {
        std::size_t i = n;
        while (i > 0 && same(text[at + i - 1], needle[i - 1])) --i;
        if (i == 0) return at;
    }
    return std::string_view::npos;
}

std::string LowerAscii(const std::string& text) {
    std::string result = text;
    for (char& c : result) c = LowerAsciiChar(c);
    return result;
}

std::int32_t FindText(const std::string& needle, const std::string& text) {
    return Position(SearchText(text, needle, 0, false));
}

std::int32_t FindTextFrom(const std::string& needle, const std::string& text,
                          std::int32_t offset) {
    const std::size_t from = offset <= 1 ? 0 : static_cast<std::size_t>(offset - 1);
    return Position(SearchText(text, needle, from, false));
}

std::int32_t FindTextIgnoringCase(const std::string& lowerNeedle, const std::string& text) {
    return Position(SearchText(text, lowerNeedle, 0, true));
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

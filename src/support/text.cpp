#include "support/text.h"

#include <cstddef>

namespace velkaris {

namespace {

bool IsControlOrSpace(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::int32_t Length(const std::string& text) { return static_cast<std::int32_t>(text.size()); }

bool MatchesAt(const std::string& needle, const std::string& text, std::int32_t position) {
    return text.compare(static_cast<std::size_t>(position - 1), needle.size(), needle) == 0;
}

// Start positions first..last, 1-based, ascending; no wrap-around.
std::int32_t SearchRange(const std::string& needle, const std::string& text, std::int32_t first,
                         std::int32_t last) {
    for (std::int32_t position = first; position <= last; ++position) {
        if (MatchesAt(needle, text, position)) return position;
    }
    return 0;
}

}  // namespace

std::string LowerAscii(const std::string& text) {
    return RaiseOutOfMemoryAsError([&] {
        std::string result = text;
        for (char& c : result) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
        }
        return result;
    });
}

std::string TrimControls(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsControlOrSpace(text[begin])) ++begin;
    while (end > begin && IsControlOrSpace(text[end - 1])) --end;
    return RaiseOutOfMemoryAsError([&] { return text.substr(begin, end - begin); });
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

std::string CopyRange(const std::string& text, std::int32_t index, std::int32_t count) {
    if (text.empty()) return {};
    const std::int32_t start = index < 1 ? 1 : index;
    if (start > Length(text) || count < 0) return {};
    return RaiseOutOfMemoryAsError([&] {
        return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
    });
}

std::string DecimalText(std::int32_t value) {
    return RaiseOutOfMemoryAsError([&] { return std::to_string(value); });
}

std::string ConcatTexts(std::initializer_list<std::string> texts) {
    return RaiseOutOfMemoryAsError([&] {
        std::size_t total = 0;
        for (const std::string& text : texts) total += text.size();
        std::string result;
        result.reserve(total);
        for (const std::string& text : texts) result += text;
        return result;
    });
}

void AppendText(std::string& variable, const std::string& text) {
    RaiseOutOfMemoryAsError([&] { variable += text; });
}

std::string CharToText(std::uint8_t byte) {
    return RaiseOutOfMemoryAsError([&] { return std::string(1, static_cast<char>(byte)); });
}

}  // namespace velkaris

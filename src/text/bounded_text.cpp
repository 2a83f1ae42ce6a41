#include "text/bounded_text.h"

#include <algorithm>
#include <cstddef>

#include "text/text.h"

namespace velkaris {

namespace {

// No bounded text exceeds the limit of its type, whatever a caller asks for.
std::size_t EffectiveLimit(std::int32_t limit) {
    return static_cast<std::size_t>(std::clamp(limit, std::int32_t{0}, BOUNDED_TEXT_LIMIT));
}

}  // namespace

BoundedText BoundedFromBuffer(const char* buffer, std::int32_t limit) {
    if (buffer == nullptr) return {};
    const std::size_t max = EffectiveLimit(limit);
    std::size_t length = 0;
    while (length < max && buffer[length] != '\0') ++length;
    return BoundedText(buffer, length);
}

BoundedText BoundedFromText(const std::string& text, std::int32_t limit) {
    const std::size_t length = std::min(text.size(), EffectiveLimit(limit));
    return text.substr(0, length);
}

}  // namespace velkaris

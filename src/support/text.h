#pragma once
// Text primitives over single-byte texts that may hold NUL. Positions are 1-based
// and 0 means not found.

#include <cstdint>
#include <initializer_list>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "support/exception.h"

namespace velkaris {

std::string LowerAscii(const std::string& text);
std::string TrimControls(const std::string& text);
std::int32_t FindText(const std::string& needle, const std::string& text);
std::int32_t FindTextFrom(const std::string& needle, const std::string& text, std::int32_t offset);
// FindText of a lower-case needle in the lower-cased text, without lowering a copy.
std::int32_t FindTextIgnoringCase(const std::string& lowerNeedle, const std::string& text);
std::string CopyRange(const std::string& text, std::int32_t index, std::int32_t count);
std::string DecimalText(std::int32_t value);
std::string ConcatTexts(std::initializer_list<std::string> texts);
void AppendText(std::string& variable, const std::string& text);
std::string CharToText(std::uint8_t byte);

// Runs an action that allocates, turning exhausted memory into the system's own
// error so that it reaches the failure report like every other error.
template <typename Action>
auto RaiseOutOfMemoryAsError(Action&& action) -> decltype(action()) {
    try {
        return std::forward<Action>(action)();
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory("Out of memory");
    } catch (const std::length_error&) {
        // A size beyond what a string can hold is the same shortage to the user.
        throw EOutOfMemory("Out of memory");
    }
}

}  // namespace velkaris

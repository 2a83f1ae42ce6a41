#pragma once
// The Word versions the installer knows, with the registry key that says each is there.

#include <array>

namespace velkaris {

enum class WordVersion { Word80, Word90, Word100, Word110, Word120 };

struct WordVersionKey {
    WordVersion version;
    const char* keyPath;  // absolute under the current user's root
};

// Ascending, as detection probes them; installation walks it backwards.
extern const std::array<WordVersionKey, 5> WORD_VERSION_KEYS;

}  // namespace velkaris

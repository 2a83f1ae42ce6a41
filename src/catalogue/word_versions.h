#pragma once
// The Word versions the installer knows: the registry key that says each is there,
// where its labels go, and for the registry the record set it reads.

#include <array>

#include "catalogue/pack.h"

namespace velkaris {

enum class LabelDestination {
    RegistryLabels,  // Word 8.0 to 11.0: values under the Word key's "Custom Labels"
    LabelFile,       // Word 12.0: pg_custom.xml in the user's application-data folder
    SeenOnly,        // Word 14.0 and later: the pack has no labels for it
};

struct WordVersion {
    const char* name;     // "12.0"
    const char* keyPath;  // absolute under the current user's root
    LabelDestination destination;
    RecordSet records;  // registry labels only
};

// Ascending, as detection probes them; installation walks it backwards. The versions
// seen only come last.
extern const std::array<WordVersion, 8> WORD_VERSIONS;

}  // namespace velkaris

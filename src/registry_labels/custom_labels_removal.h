#pragma once
// Taking the pack back out of "Custom Labels": only the values the install wrote and
// Word has not changed since.

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/pack.h"
#include "services/registry_navigator.h"

namespace velkaris {

struct RegistryRemovalResult {
    std::int32_t removed = 0;
    // The pack's names whose data is no longer the record the install writes: the
    // label was changed in Word, so it is the user's now.
    std::vector<std::string> kept;
};

// Precondition: the navigator stands at the version's Word key. Deletes each value
// named like a label of the pack whose type is REG_BINARY and whose data is that
// label's record in records, byte for byte. Other values and the key itself stay;
// a version without "Custom Labels" has nothing to remove. Raises ERegistryException
// when the key is there but cannot be opened, or a value cannot be read or deleted.
RegistryRemovalResult RemoveRegistryLabels(RegistryNavigator& registry, RecordSet records);

}  // namespace velkaris

#pragma once
// Word 8.0 to 11.0 read custom labels as binary values under "Custom Labels".

#include "installer/word_versions.h"
#include "support/registry_navigator.h"

namespace velkaris {

// Precondition: the navigator stands at the version's Word key. Afterwards it stands
// at "Custom Labels" under it.
void InstallRegistryLabels(RegistryNavigator& registry, WordVersion version);

}  // namespace velkaris

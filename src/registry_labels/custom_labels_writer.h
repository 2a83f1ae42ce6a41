#pragma once
// Word 8.0 to 11.0 read custom labels as binary values under "Custom Labels".

#include "catalogue/pack.h"
#include "services/registry_navigator.h"

namespace velkaris {

// The subkey of the version's Word key that holds the labels.
extern const char* const CUSTOM_LABELS_KEY;

// Precondition: the navigator stands at the version's Word key. Afterwards it stands
// at "Custom Labels" under it, which holds the 17 records, each named by its label.
void InstallRegistryLabels(RegistryNavigator& registry, RecordSet records);

}  // namespace velkaris

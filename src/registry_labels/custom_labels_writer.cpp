#include "registry_labels/custom_labels_writer.h"

#include <string>

#include "text/errors.h"

namespace velkaris {

const char* const CUSTOM_LABELS_KEY = "Custom Labels";

void InstallRegistryLabels(RegistryNavigator& registry, RecordSet records) {
    const std::string versionKey = registry.KeyPath();  // ends in a backslash
    // Without the subkey the values would land in the Word key itself.
    if (!registry.SelectKey(CUSTOM_LABELS_KEY, true)) {
        throw ERegistryException(InsertTexts("Cannot open or create key 'HKEY_CURRENT_USER\\%s%s'",
                                             {versionKey, CUSTOM_LABELS_KEY}),
                                 Remedy::RegistryPermissions);
    }
    for (const PackLabel& label : PACK) {
        const std::string data = RecordBytes(label, records);
        registry.WriteBinaryValue(std::string(label.name),
                                  reinterpret_cast<const std::uint8_t*>(data.data()),
                                  static_cast<std::int32_t>(data.size()));
    }
}

}  // namespace velkaris

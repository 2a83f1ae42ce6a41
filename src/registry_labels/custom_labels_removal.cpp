#include "registry_labels/custom_labels_removal.h"

#include <optional>

#include "platform/win_values.h"
#include "registry_labels/custom_labels_writer.h"
#include "text/errors.h"

namespace velkaris {

RegistryRemovalResult RemoveRegistryLabels(RegistryNavigator& registry, RecordSet records) {
    RegistryRemovalResult result;
    const std::string versionKey = registry.KeyPath();  // ends in a backslash
    if (!registry.SelectKey(CUSTOM_LABELS_KEY, false)) {
        // A key that is there but refused would hide the pack, not prove it absent.
        if (registry.LastResult() == static_cast<std::int32_t>(win::ERROR_FILE_NOT_FOUND)) {
            return result;
        }
        throw ERegistryException(InsertTexts("Cannot open key 'HKEY_CURRENT_USER\\%s%s'",
                                             {versionKey, CUSTOM_LABELS_KEY}),
                                 Remedy::RegistryPermissions);
    }
    for (const PackLabel& label : PACK) {
        const std::string name(label.name);
        const std::optional<RegistryValue> value = registry.ReadValue(name);
        if (!value) continue;
        if (value->type == win::REG_BINARY && value->data == RecordBytes(label, records)) {
            registry.DeleteValue(name);
            ++result.removed;
        } else {
            result.kept.push_back(name);
        }
    }
    return result;
}

}  // namespace velkaris

#include "legacy/custom_labels_writer.h"

#include "catalogue/label_records.h"
#include "support/exception.h"

namespace velkaris {

namespace {

const char* const CUSTOM_LABELS_KEY = "Custom Labels";

const std::array<LegacyLabelRecord, kLabelCount>& RecordSetFor(WordVersion version) {
    return (version == WordVersion::Word80 || version == WordVersion::Word90) ? RECORDS_80
                                                                              : RECORDS_100;
}

std::string VersionKeyName(WordVersion version) {
    for (const WordVersionKey& key : WORD_VERSION_KEYS) {
        if (key.version == version) return std::string(key.keyPath + 1);  // without the root's backslash
    }
    return std::string();
}

}  // namespace

void InstallRegistryLabels(RegistryNavigator& registry, WordVersion version) {
    const auto& records = RecordSetFor(version);
    // Without the subkey the values would land in the Word key itself.
    if (!registry.SelectKey(CUSTOM_LABELS_KEY, true)) {
        throw ERegistryException(FormatMessageText(
            "Cannot open or create key 'HKEY_CURRENT_USER\\%s%s'",
            {VersionKeyName(version), CUSTOM_LABELS_KEY}));
    }
    for (int i = 0; i < kLabelCount; ++i) {
        const std::string data = RecordBytes(records[i]);
        registry.WriteBinaryValue(std::string(LABEL_NAMES[i]),
                                  reinterpret_cast<const std::uint8_t*>(data.data()),
                                  static_cast<std::int32_t>(data.size()));
    }
}

}  // namespace velkaris

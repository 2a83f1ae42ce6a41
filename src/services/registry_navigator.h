#pragma once
// The system's only way into the registry: a root key and at most one open key,
// moved by absolute or relative path, with binary values written, read and deleted
// under it.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace velkaris {

struct RegistryValue {
    std::uint32_t type = 0;  // REG_*
    std::string data;
};

class RegistryNavigator {
public:
    explicit RegistryNavigator(Platform& platform);
    ~RegistryNavigator();
    RegistryNavigator(const RegistryNavigator&) = delete;
    RegistryNavigator& operator=(const RegistryNavigator&) = delete;

    bool SelectKey(const std::string& keyPath, bool mayCreate);
    // Whether the key at the absolute path is there, asking only to query it: a key
    // that refuses more is there all the same. The current key stays.
    bool KeyIsPresent(const std::string& keyPath);
    void WriteBinaryValue(const std::string& valueName, const std::uint8_t* data, std::int32_t size);
    // The value of that name under the current key; nothing when there is none.
    // Raises ERegistryException when it is there but cannot be read.
    std::optional<RegistryValue> ReadValue(const std::string& valueName);
    // A value already gone counts as deleted. Raises ERegistryException.
    void DeleteValue(const std::string& valueName);
    void ReleaseCurrentKey();

    KeyHandle OpenHandle() const { return openHandle_; }
    const std::string& KeyPath() const { return keyPath_; }
    // The Windows result of the last SelectKey, for messages, and to
    // tell a key that is not there from one refused.
    std::int32_t LastResult() const { return lastResult_; }

private:
    Platform& platform_;
    KeyHandle openHandle_ = 0;  // under HKEY_CURRENT_USER
    std::string keyPath_;
    std::int32_t lastResult_ = 0;
};

}  // namespace velkaris

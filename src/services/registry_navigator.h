#pragma once
// The system's only way into the registry: a root key and at most one open key,
// moved by absolute or relative path, with binary values written under it.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

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
    void ReleaseCurrentKey();

    KeyHandle OpenHandle() const { return openHandle_; }
    const std::string& KeyPath() const { return keyPath_; }
    // The Windows result of the last SelectKey, for messages only.
    std::int32_t LastResult() const { return lastResult_; }

private:
    Platform& platform_;
    KeyHandle openHandle_ = 0;  // under HKEY_CURRENT_USER
    std::string keyPath_;
    std::int32_t lastResult_ = 0;
};

}  // namespace velkaris

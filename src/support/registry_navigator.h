#pragma once
// The system's only way into the registry: a root key and at most one open key,
// moved by absolute or relative path, with binary values written under it.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

enum class ValueKind : std::int32_t { Text = 1, ExpandableText = 2, Integer = 3, Binary = 4 };

class RegistryNavigator {
public:
    explicit RegistryNavigator(Platform& platform);
    ~RegistryNavigator();
    RegistryNavigator(const RegistryNavigator&) = delete;
    RegistryNavigator& operator=(const RegistryNavigator&) = delete;

    bool SelectKey(const std::string& keyPath, bool mayCreate);
    void WriteBinaryValue(const std::string& valueName, const std::uint8_t* data, std::int32_t size);
    void ReleaseCurrentKey();
    void SetRoot(KeyHandle root);

    KeyHandle OpenHandle() const { return openHandle_; }
    KeyHandle RootHandle() const { return rootHandle_; }
    const std::string& KeyPath() const { return keyPath_; }
    std::uint32_t AccessMask() const { return accessMask_; }

private:
    KeyHandle BaseKeyFor(bool relative) const;
    void AdoptKey(KeyHandle handle, std::string&& path);
    void StoreValue(const std::string& valueName, const std::uint8_t* data, ValueKind kind,
                    std::int32_t size);

    Platform& platform_;
    KeyHandle openHandle_ = 0;
    KeyHandle rootHandle_ = 0;
    std::string keyPath_;
    std::uint32_t accessMask_;
};

// Maps the navigator's value kinds to the platform's value types.
std::uint32_t PlatformValueType(ValueKind kind);

}  // namespace velkaris

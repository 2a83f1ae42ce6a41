#include "services/registry_navigator.h"

#include "platform/win_values.h"
#include "text/errors.h"

namespace velkaris {

namespace {

bool IsRelativePath(const std::string& path) { return path.empty() || path[0] != '\\'; }

}  // namespace

RegistryNavigator::RegistryNavigator(Platform& platform) : platform_(platform) {}

RegistryNavigator::~RegistryNavigator() { ReleaseCurrentKey(); }

bool RegistryNavigator::SelectKey(const std::string& keyPath, bool mayCreate) {
    const bool relative = IsRelativePath(keyPath);
    // Exactly one leading backslash marks the path absolute; a second one is the platform's.
    const std::string path = relative ? keyPath : keyPath.substr(1);

    // Formed before the key is opened: nothing may fail between the open and
    // the adoption, or the new handle would be lost.
    std::string newPath = (openHandle_ != 0 && relative) ? keyPath_ + "\\" + path : path;
    KeyHandle opened = 0;
    const KeyHandle base = (openHandle_ != 0 && relative) ? openHandle_ : win::HKEY_CURRENT_USER;
    // Full access: a key the user cannot write counts as absent.
    const std::int32_t result =
        (!mayCreate || path.empty())
            ? platform_.RegOpenKeyExA(base, path, 0, win::KEY_ALL_ACCESS, opened)
            : platform_.RegCreateKeyExA(base, path, win::REG_OPTION_NON_VOLATILE,
                                        win::KEY_ALL_ACCESS, opened);
    lastResult_ = result;
    if (result != win::ERROR_SUCCESS) return false;

    ReleaseCurrentKey();
    openHandle_ = opened;
    keyPath_ = std::move(newPath);
    return true;
}

bool RegistryNavigator::KeyIsPresent(const std::string& keyPath) {
    KeyHandle opened = 0;
    const std::int32_t result = platform_.RegOpenKeyExA(
        win::HKEY_CURRENT_USER, IsRelativePath(keyPath) ? keyPath : keyPath.substr(1), 0,
        win::KEY_QUERY_VALUE, opened);
    if (result == win::ERROR_SUCCESS) platform_.RegCloseKey(opened);
    return result != static_cast<std::int32_t>(win::ERROR_FILE_NOT_FOUND);
}

void RegistryNavigator::WriteBinaryValue(const std::string& valueName, const std::uint8_t* data,
                                         std::int32_t size) {
    const std::int32_t result = platform_.RegSetValueExA(openHandle_, valueName, win::REG_BINARY,
                                                         data, static_cast<std::uint32_t>(size));
    if (result != win::ERROR_SUCCESS) {
        throw ERegistryException(InsertTexts("Failed to set data for '%s'", {valueName}),
                                 Remedy::RegistryPermissions);
    }
}

std::optional<RegistryValue> RegistryNavigator::ReadValue(const std::string& valueName) {
    RegistryValue value;
    std::uint32_t size = 0;
    std::int32_t result = platform_.RegQueryValueExA(openHandle_, valueName, value.type, nullptr, size);
    // The value may grow between asking its size and reading it.
    while (result == win::ERROR_SUCCESS || result == static_cast<std::int32_t>(win::ERROR_MORE_DATA)) {
        value.data.assign(size, '\0');
        result = platform_.RegQueryValueExA(openHandle_, valueName, value.type,
                                            reinterpret_cast<std::uint8_t*>(&value.data[0]), size);
        if (result == win::ERROR_SUCCESS) {
            value.data.resize(size);
            return value;
        }
    }
    if (result == static_cast<std::int32_t>(win::ERROR_FILE_NOT_FOUND)) return std::nullopt;
    throw ERegistryException(InsertTexts("Failed to read data for '%s'", {valueName}),
                             Remedy::RegistryPermissions);
}

void RegistryNavigator::DeleteValue(const std::string& valueName) {
    const std::int32_t result = platform_.RegDeleteValueA(openHandle_, valueName);
    if (result != win::ERROR_SUCCESS && result != static_cast<std::int32_t>(win::ERROR_FILE_NOT_FOUND)) {
        throw ERegistryException(InsertTexts("Failed to delete value '%s'", {valueName}),
                                 Remedy::RegistryPermissions);
    }
}

void RegistryNavigator::ReleaseCurrentKey() {
    if (openHandle_ == 0) return;
    // Writes are left to the platform's own flushing; the close result tells nothing useful.
    platform_.RegCloseKey(openHandle_);
    openHandle_ = 0;
    keyPath_.clear();
}

}  // namespace velkaris

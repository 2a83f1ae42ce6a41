#include "support/registry_navigator.h"

#include "platform/win_values.h"
#include "support/exception.h"

namespace velkaris {

namespace {

bool IsRelativePath(const std::string& path) { return path.empty() || path[0] != '\\'; }

}  // namespace

RegistryNavigator::RegistryNavigator(Platform& platform)
    : platform_(platform), accessMask_(win::KEY_ALL_ACCESS) {
    SetRoot(win::HKEY_CURRENT_USER);
}

RegistryNavigator::~RegistryNavigator() { ReleaseCurrentKey(); }

bool RegistryNavigator::SelectKey(const std::string& keyPath, bool mayCreate) {
    const bool relative = IsRelativePath(keyPath);
    // Exactly one leading backslash marks the path absolute; a second one is the platform's.
    const std::string path = relative ? keyPath : keyPath.substr(1);

    // Formed before the key is opened: nothing may fail between the open and
    // the adoption, or the new handle would be lost.
    std::string newPath = (openHandle_ != 0 && relative) ? keyPath_ + "\\" + path : path;
    KeyHandle opened = 0;
    const KeyHandle base = BaseKeyFor(relative);
    const std::int32_t result =
        (!mayCreate || path.empty())
            ? platform_.RegOpenKeyExA(base, path, 0, accessMask_, opened)
            : platform_.RegCreateKeyExA(base, path, win::REG_OPTION_NON_VOLATILE, accessMask_,
                                        opened);
    if (result != win::ERROR_SUCCESS) return false;

    AdoptKey(opened, std::move(newPath));
    return true;
}

void RegistryNavigator::WriteBinaryValue(const std::string& valueName, const std::uint8_t* data,
                                         std::int32_t size) {
    StoreValue(valueName, data, ValueKind::Binary, size);
}

void RegistryNavigator::ReleaseCurrentKey() {
    if (openHandle_ == 0) return;
    // Writes are left to the platform's own flushing; the close result tells nothing useful.
    platform_.RegCloseKey(openHandle_);
    openHandle_ = 0;
    keyPath_.clear();
}

void RegistryNavigator::SetRoot(KeyHandle root) {
    if (root == rootHandle_) return;
    rootHandle_ = root;
    ReleaseCurrentKey();
}

KeyHandle RegistryNavigator::BaseKeyFor(bool relative) const {
    return (openHandle_ != 0 && relative) ? openHandle_ : rootHandle_;
}

void RegistryNavigator::AdoptKey(KeyHandle handle, std::string&& path) {
    ReleaseCurrentKey();
    openHandle_ = handle;
    keyPath_ = std::move(path);
}

void RegistryNavigator::StoreValue(const std::string& valueName, const std::uint8_t* data,
                                   ValueKind kind, std::int32_t size) {
    const std::int32_t result = platform_.RegSetValueExA(
        openHandle_, valueName, PlatformValueType(kind), data, static_cast<std::uint32_t>(size));
    if (result != win::ERROR_SUCCESS) {
        throw ERegistryException(FormatMessageText("Failed to set data for '%s'", {valueName}));
    }
}

std::uint32_t PlatformValueType(ValueKind kind) {
    switch (kind) {
        case ValueKind::Text: return win::REG_SZ;
        case ValueKind::ExpandableText: return win::REG_EXPAND_SZ;
        case ValueKind::Integer: return win::REG_DWORD;
        case ValueKind::Binary: return win::REG_BINARY;
    }
    return win::REG_NONE;
}

}  // namespace velkaris

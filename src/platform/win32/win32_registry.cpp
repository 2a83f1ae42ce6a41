// Registry calls: RegOpenKeyExA, RegCreateKeyExA, RegSetValueExA, RegQueryValueExA,
// RegDeleteValueA, RegCloseKey.
#include <windows.h>

#include "platform/win32/win32_platform.h"

namespace velkaris {

namespace {
HKEY Key(KeyHandle handle) { return reinterpret_cast<HKEY>(handle); }
}  // namespace

std::int32_t Win32Platform::RegOpenKeyExA(KeyHandle base, const std::string& subKey,
                                          std::uint32_t options, std::uint32_t access,
                                          KeyHandle& result) {
    HKEY opened = nullptr;
    const LONG status = ::RegOpenKeyExA(Key(base), subKey.c_str(), options, access, &opened);
    result = reinterpret_cast<KeyHandle>(opened);
    return status;
}

std::int32_t Win32Platform::RegCreateKeyExA(KeyHandle base, const std::string& subKey,
                                            std::uint32_t options, std::uint32_t access,
                                            KeyHandle& result) {
    HKEY created = nullptr;
    DWORD disposition = 0;
    const LONG status = ::RegCreateKeyExA(Key(base), subKey.c_str(), 0, nullptr, options, access,
                                          nullptr, &created, &disposition);
    result = reinterpret_cast<KeyHandle>(created);
    return status;
}

std::int32_t Win32Platform::RegSetValueExA(KeyHandle key, const std::string& valueName,
                                           std::uint32_t type, const std::uint8_t* data,
                                           std::uint32_t size) {
    return ::RegSetValueExA(Key(key), valueName.c_str(), 0, type, data, size);
}

std::int32_t Win32Platform::RegQueryValueExA(KeyHandle key, const std::string& valueName,
                                             std::uint32_t& type, std::uint8_t* data,
                                             std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG status =
        ::RegQueryValueExA(Key(key), valueName.c_str(), nullptr, &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return status;
}

std::int32_t Win32Platform::RegDeleteValueA(KeyHandle key, const std::string& valueName) {
    return ::RegDeleteValueA(Key(key), valueName.c_str());
}

std::int32_t Win32Platform::RegCloseKey(KeyHandle key) { return ::RegCloseKey(Key(key)); }

}  // namespace velkaris

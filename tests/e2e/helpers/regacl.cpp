// regacl: creates a key under HKEY_CURRENT_USER and gives it a DACL that refuses
// full access, so that a program asking for KEY_ALL_ACCESS can neither open nor
// create it.
//
//   regacl KEYPATH [SDDL]      SDDL defaults to read-only for everyone
//
// Exit codes: 0 the key refuses full access now, 1 it could not be set up,
// 64 usage.

#include "helper_io.h"

#include <sddl.h>

#include <string>
#include <vector>

namespace {

const wchar_t READ_ONLY_FOR_EVERYONE[] = L"D:(A;;KR;;;WD)";

int Fail(const std::string& what, LONG error) {
    helper::Err("regacl: " + what + ": error " + std::to_string(error));
    return 1;
}

}  // namespace

int main() {
    const std::vector<std::wstring> args = helper::Arguments();
    if (args.empty() || args.size() > 2 || args[0].empty()) {
        helper::Err("usage: regacl KEYPATH [SDDL]");
        return 64;
    }
    const std::wstring path = args[0];
    const std::wstring sddl = args.size() == 2 ? args[1] : READ_ONLY_FOR_EVERYONE;

    PSECURITY_DESCRIPTOR converted = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                              &converted, nullptr))
        return Fail("bad SDDL", static_cast<LONG>(GetLastError()));
    const helper::OwnedLocal<void> descriptor(converted);

    HKEY created = nullptr;
    LONG result = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &created, nullptr);
    if (result != ERROR_SUCCESS) return Fail("cannot create the key", result);
    {
        const helper::OwnedKey key(created);
        result = RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, descriptor.get());
    }
    if (result != ERROR_SUCCESS) return Fail("cannot set the key's security", result);

    // Prove the refusal the test relies on, rather than trust that it took.
    HKEY probe = nullptr;
    result = RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &probe);
    if (result == ERROR_SUCCESS) {
        const helper::OwnedKey opened(probe);
        return Fail("the key still opens with full access", result);
    }
    result = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                             nullptr, &probe, nullptr);
    if (result == ERROR_SUCCESS) {
        const helper::OwnedKey opened(probe);
        return Fail("the key still creates with full access", result);
    }
    helper::Out("refused\t" + std::to_string(result));
    return 0;
}

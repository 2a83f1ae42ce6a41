// regdump: prints a registry tree under HKEY_CURRENT_USER in a form a shell
// script can compare byte for byte: names exact, data in hex.
//
//   regdump KEYPATH
//
// Prints nothing when the key does not exist. Otherwise, for the key and then
// each subkey depth first, names sorted by their UTF-8 bytes:
//   [<path>]
//   <value name> TAB <type number> TAB <data in lower-case hex>
// Texts are UTF-8 with \t \r \n escaped, and \\ in value names. Exit codes:
// 0 done, 1 a key or value could not be read, 64 usage.

#include "helper_io.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Value {
    std::string name;
    DWORD type;
    std::vector<unsigned char> data;
};

bool ByName(const std::pair<std::string, std::wstring>& a,
            const std::pair<std::string, std::wstring>& b) {
    return a.first < b.first;
}

// Returns false when something that exists could not be read.
bool Dump(HKEY parent, const std::wstring& path, const std::wstring& name, bool top) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ, &opened);
    if (result == ERROR_FILE_NOT_FOUND && top) return true;
    if (result != ERROR_SUCCESS) {
        helper::Err("regdump: cannot open " + helper::Utf8(path) + ": error " +
                    std::to_string(result));
        return false;
    }
    const helper::OwnedKey key(opened);
    helper::Out("[" + helper::Escaped(path, true) + "]");

    bool ok = true;
    std::vector<Value> values;
    for (DWORD index = 0;; ++index) {
        wchar_t valueName[16384];
        DWORD nameLength = 16384;
        DWORD type = 0;
        DWORD size = 0;
        LONG result = RegEnumValueW(key.get(), index, valueName, &nameLength, nullptr, &type, nullptr,
                                    &size);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS) {
            helper::Err("regdump: cannot list the values of " + helper::Utf8(path));
            ok = false;
            break;
        }
        Value value{helper::Escaped(std::wstring(valueName, nameLength)), type,
                    std::vector<unsigned char>(size)};
        DWORD read = size;
        result = RegQueryValueExW(key.get(), valueName, nullptr, &type,
                                  value.data.empty() ? nullptr : value.data.data(), &read);
        if (result != ERROR_SUCCESS) {
            helper::Err("regdump: cannot read a value of " + helper::Utf8(path));
            ok = false;
            continue;
        }
        value.data.resize(read);
        values.push_back(std::move(value));
    }
    std::sort(values.begin(), values.end(),
              [](const Value& a, const Value& b) { return a.name < b.name; });
    for (const Value& value : values) {
        helper::Out(value.name + "\t" + std::to_string(value.type) + "\t" +
                    helper::Hex(value.data.data(), value.data.size()));
    }

    std::vector<std::pair<std::string, std::wstring>> subkeys;
    for (DWORD index = 0;; ++index) {
        wchar_t subName[256];
        DWORD nameLength = 256;
        const LONG result =
            RegEnumKeyExW(key.get(), index, subName, &nameLength, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS) {
            helper::Err("regdump: cannot list the subkeys of " + helper::Utf8(path));
            ok = false;
            break;
        }
        const std::wstring sub(subName, nameLength);
        subkeys.emplace_back(helper::Escaped(sub), sub);
    }
    std::sort(subkeys.begin(), subkeys.end(), ByName);
    for (const auto& sub : subkeys)
        ok = Dump(key.get(), path + L"\\" + sub.second, sub.second, false) && ok;
    return ok;
}

}  // namespace

int main() {
    const std::vector<std::wstring> args = helper::Arguments();
    if (args.size() != 1 || args[0].empty()) {
        helper::Err("usage: regdump KEYPATH");
        return 64;
    }
    return Dump(HKEY_CURRENT_USER, args[0], args[0], true) ? 0 : 1;
}

#include "fake/fake_platform.h"

#include <iconv.h>

#include <algorithm>
#include <cstring>

#include "fake/windows_numbers.h"

namespace velkaris::fake {

thread_local int platformCallDepth = 0;

bool SplitKeyPath(const std::string& path, std::vector<std::string>& parts) {
    parts.clear();
    if (path.empty()) return true;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return std::none_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty(); });
}

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return lower(x) < lower(y); });
}

// --- the machinery of every call -----------------------------------------------

int FakePlatform::CallCount(const std::string& call) const {
    const auto it = callCounts_.find(call);
    return it == callCounts_.end() ? 0 : it->second;
}

const Fault* FakePlatform::Enter(const char* call) {
    calls_.push_back(call);
    const int nth = ++callCounts_[call];
    const int overall = static_cast<int>(calls_.size());
    for (const Fault& fault : faults_) {
        if (fault.call.empty() ? fault.occurrence == overall
                               : (fault.call == call && fault.occurrence == nth)) {
            lastError_ = fault.error;
            return &fault;
        }
    }
    return nullptr;
}

void FakePlatform::Misuse(const char* call, std::optional<std::intptr_t> handle) {
    std::string what = "unexpected options or access";
    if (handle) {
        what = "handle " + std::to_string(*handle) +
               (closed_.count(*handle) != 0 ? " closed before" : " not open");
    }
    misuse.push_back(std::string(call) + ": " + what);
}

std::intptr_t FakePlatform::NewHandle() {
    nextHandle_ += 4;
    return nextHandle_;
}

// --- registry ----------------------------------------------------------------

RegKey& FakePlatform::AddKey(const std::string& path) {
    std::vector<std::string> parts;
    SplitKeyPath(path, parts);
    RegKey* key = &hkcu;
    for (const std::string& part : parts) key = &key->subkeys[part];
    return *key;
}

const RegKey* FakePlatform::FindKey(const std::string& path) const {
    std::vector<std::string> parts;
    if (!SplitKeyPath(path, parts)) return nullptr;
    const RegKey* key = &hkcu;
    for (const std::string& part : parts) {
        const auto it = key->subkeys.find(part);
        if (it == key->subkeys.end()) return nullptr;
        key = &it->second;
    }
    return key;
}

const RegValue* FakePlatform::FindValue(const std::string& keyPath, const std::string& name) const {
    const RegKey* key = FindKey(keyPath);
    if (key == nullptr) return nullptr;
    const auto it = key->values.find(name);
    return it == key->values.end() ? nullptr : &it->second;
}

RegKey* FakePlatform::OpenedKey(KeyHandle key, const char* call) {
    const auto open = openKeys_.find(key);
    if (open != openKeys_.end()) return open->second;
    Misuse(call, static_cast<std::intptr_t>(key));
    return nullptr;
}

std::int32_t FakePlatform::OpenKey(const char* call, KeyHandle base, const std::string& subKey,
                                   bool create, bool expectedArguments, KeyHandle& result) {
    return Forward<std::int32_t>(call, std::nullopt, [&](std::uint32_t&) -> std::int32_t {
        if (!expectedArguments) Misuse(call, std::nullopt);
        RegKey* key = base == windows::HKEY_CURRENT_USER ? &hkcu : OpenedKey(base, call);
        std::vector<std::string> parts;
        if (key == nullptr) return windows::ERROR_INVALID_HANDLE;
        if (!SplitKeyPath(subKey, parts)) return windows::ERROR_BAD_PATHNAME;
        for (const std::string& part : parts) {
            auto it = key->subkeys.find(part);
            if (it == key->subkeys.end()) {
                if (!create) return windows::ERROR_FILE_NOT_FOUND;
                if (key->readOnly) return windows::ERROR_ACCESS_DENIED;
                it = key->subkeys.emplace(part, RegKey{}).first;
            }
            key = &it->second;
        }
        if (key->readOnly) return windows::ERROR_ACCESS_DENIED;
        result = static_cast<KeyHandle>(NewHandle());
        openKeys_[result] = key;
        return windows::ERROR_SUCCESS;
    });
}

std::int32_t FakePlatform::RegOpenKeyExA(KeyHandle base, const std::string& subKey,
                                         std::uint32_t options, std::uint32_t access,
                                         KeyHandle& result) {
    return OpenKey("RegOpenKeyExA", base, subKey, false,
                   options == 0 && access == windows::KEY_ALL_ACCESS, result);
}

std::int32_t FakePlatform::RegCreateKeyExA(KeyHandle base, const std::string& subKey,
                                           std::uint32_t options, std::uint32_t access,
                                           KeyHandle& result) {
    return OpenKey("RegCreateKeyExA", base, subKey, true,
                   options == windows::REG_OPTION_NON_VOLATILE && access == windows::KEY_ALL_ACCESS,
                   result);
}

std::int32_t FakePlatform::RegSetValueExA(KeyHandle key, const std::string& valueName,
                                          std::uint32_t type, const std::uint8_t* data,
                                          std::uint32_t size) {
    return Forward<std::int32_t>("RegSetValueExA", std::nullopt, [&](std::uint32_t&) -> std::int32_t {
        RegKey* open = OpenedKey(key, "RegSetValueExA");
        if (open == nullptr) return windows::ERROR_INVALID_HANDLE;
        open->values[valueName] = RegValue{type, std::string(reinterpret_cast<const char*>(data), size)};
        return windows::ERROR_SUCCESS;
    });
}

std::int32_t FakePlatform::RegCloseKey(KeyHandle key) {
    return Forward<std::int32_t>("RegCloseKey", std::nullopt,
                                 [&](std::uint32_t&, const Fault* fault) -> std::int32_t {
        if (OpenedKey(key, "RegCloseKey") == nullptr) return windows::ERROR_INVALID_HANDLE;
        // A failing close still releases the handle, as on Windows.
        openKeys_.erase(key);
        closed_.insert(static_cast<std::intptr_t>(key));
        return fault != nullptr ? static_cast<std::int32_t>(fault->error) : windows::ERROR_SUCCESS;
    });
}

// --- shell, user interface, process --------------------------------------------

bool FakePlatform::SHGetSpecialFolderPathA(char* buffer, std::int32_t folder, bool create) {
    return Forward<bool>("SHGetSpecialFolderPathA", false, [&](std::uint32_t&) {
        if (folder != windows::CSIDL_APPDATA || create) return false;
        if (appDataFolder.size() >= windows::MAX_PATH) return false;
        std::memcpy(buffer, appDataFolder.c_str(), appDataFolder.size() + 1);
        return true;
    });
}

std::int32_t FakePlatform::MultiByteToWideChar(std::uint32_t codePage, const char* text,
                                               std::int32_t length, char16_t* wide,
                                               std::int32_t wideLength) {
    return Forward<std::int32_t>("MultiByteToWideChar", 0, [&](std::uint32_t&) -> std::int32_t {
        if (codePage != windows::CP_WINDOWS_1250 || length <= 0) return 0;
        iconv_t cd = iconv_open("UTF-16LE", "CP1250");
        if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
        std::string in(text, static_cast<std::size_t>(length));
        std::string out(in.size() * 4, '\0');
        char* inPtr = &in[0];
        char* outPtr = &out[0];
        std::size_t inLeft = in.size();
        std::size_t outLeft = out.size();
        const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        iconv_close(cd);
        const std::size_t units = (out.size() - outLeft) / 2;
        if (rc == static_cast<std::size_t>(-1) || units > static_cast<std::size_t>(wideLength)) {
            return 0;
        }
        for (std::size_t i = 0; i < units; ++i) {
            wide[i] = static_cast<char16_t>(static_cast<unsigned char>(out[2 * i]) |
                                            (static_cast<unsigned char>(out[2 * i + 1]) << 8));
        }
        return static_cast<std::int32_t>(units);
    });
}

std::int32_t FakePlatform::ShowBox(const char* call, ShownBox box) {
    return Forward<std::int32_t>(call, 0, [&](std::uint32_t&) {
        boxes.push_back(std::move(box));
        const std::int32_t answer = answers.empty() ? windows::IDOK : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    });
}

std::int32_t FakePlatform::MessageBoxW(const std::u16string& text, const std::u16string& caption,
                                       std::uint32_t style) {
    return ShowBox("MessageBoxW", ShownBox{text, caption, {}, {}, true, style});
}

std::int32_t FakePlatform::MessageBoxA(const std::string& text, const std::string& caption,
                                       std::uint32_t style) {
    return ShowBox("MessageBoxA", ShownBox{{}, {}, text, caption, false, style});
}

std::uint32_t FakePlatform::GetModuleFileNameA(char* buffer, std::uint32_t size) {
    return Forward<std::uint32_t>("GetModuleFileNameA", 0, [&](std::uint32_t&) -> std::uint32_t {
        if (size == 0) return 0;
        const std::size_t length = std::min<std::size_t>(moduleFileName.size(), size - 1);
        std::memcpy(buffer, moduleFileName.data(), length);
        buffer[length] = '\0';
        return static_cast<std::uint32_t>(length);
    });
}

void FakePlatform::ExitProcess(std::uint32_t code) {
    Forward<bool>("ExitProcess", false, [&](std::uint32_t&, const Fault*) {
        exitCode = code;
        openKeysAtExit = openKeys_.size();
        openFilesAtExit = files.OpenFileCount();
        return true;
    });
}

void FakePlatform::Sleep(std::uint32_t milliseconds) {
    Forward<bool>("Sleep", false, [&](std::uint32_t&, const Fault*) {
        sleeps.push_back(milliseconds);
        if (onSleep) onSleep();
        return true;
    });
}

std::uint32_t FakePlatform::GetLastError() {
    // Recorded, but never counted or failed: it only reports the last call.
    const PlatformCallScope scope;
    calls_.push_back("GetLastError");
    return lastError_;
}

}  // namespace velkaris::fake

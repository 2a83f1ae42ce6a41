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

namespace {

constexpr std::int32_t ERROR_INVALID_HANDLE = 6;
constexpr std::int32_t ERROR_BAD_PATHNAME = 161;

char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

}  // namespace

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return LowerChar(x) < LowerChar(y); });
}

FakePlatform::FakePlatform() = default;

void FakePlatform::FailCall(const std::string& call, int occurrence, std::uint32_t error) {
    faults_.push_back(Fault{call, occurrence, error, false});
}

int FakePlatform::CallCount(const std::string& call) const {
    const auto it = callCounts_.find(call);
    return it == callCounts_.end() ? 0 : it->second;
}

const Fault* FakePlatform::Enter(const char* call) {
    calls_.push_back(call);
    const int nth = ++callCounts_[call];
    const int overall = static_cast<int>(calls_.size());
    for (const Fault& fault : faults_) {
        const bool hit = fault.call.empty() ? fault.occurrence == overall
                                            : (fault.call == call && fault.occurrence == nth);
        if (hit) {
            lastError_ = fault.error;
            return &fault;
        }
    }
    return nullptr;
}

// --- registry ---------------------------------------------------------------

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

RegKey* FakePlatform::Resolve(KeyHandle base, const std::string& subKey, bool create,
                              std::int32_t& error) {
    RegKey* key = nullptr;
    if (base == windows::HKEY_CURRENT_USER) {
        key = &hkcu;
    } else if (const auto it = openKeys_.find(base); it != openKeys_.end()) {
        key = it->second;
    } else {
        error = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    std::vector<std::string> parts;
    if (!SplitKeyPath(subKey, parts)) {
        error = ERROR_BAD_PATHNAME;
        return nullptr;
    }
    for (const std::string& part : parts) {
        auto it = key->subkeys.find(part);
        if (it == key->subkeys.end()) {
            if (!create) {
                error = static_cast<std::int32_t>(windows::ERROR_FILE_NOT_FOUND);
                return nullptr;
            }
            if (key->readOnly) {
                error = static_cast<std::int32_t>(windows::ERROR_ACCESS_DENIED);
                return nullptr;
            }
            it = key->subkeys.emplace(part, RegKey{}).first;
        }
        key = &it->second;
    }
    if (key->readOnly) {
        error = static_cast<std::int32_t>(windows::ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return key;
}

KeyHandle FakePlatform::NewKeyHandle(RegKey* key) {
    const KeyHandle handle = nextKeyHandle_;
    nextKeyHandle_ += 4;
    openKeys_[handle] = key;
    return handle;
}

std::int32_t FakePlatform::RegOpenKeyExA(KeyHandle base, const std::string& subKey,
                                         std::uint32_t options, std::uint32_t access,
                                         KeyHandle& result) {
    const PlatformCallScope scope;
    if (const Fault* fault = Enter("RegOpenKeyExA")) return static_cast<std::int32_t>(fault->error);
    if (options != 0 || access != windows::KEY_ALL_ACCESS) misuse.push_back("RegOpenKeyExA: unexpected options or access");
    std::int32_t error = 0;
    RegKey* key = Resolve(base, subKey, false, error);
    if (key == nullptr) return error;
    result = NewKeyHandle(key);
    return windows::ERROR_SUCCESS;
}

std::int32_t FakePlatform::RegCreateKeyExA(KeyHandle base, const std::string& subKey,
                                           std::uint32_t options, std::uint32_t access,
                                           KeyHandle& result) {
    const PlatformCallScope scope;
    if (const Fault* fault = Enter("RegCreateKeyExA")) return static_cast<std::int32_t>(fault->error);
    if (options != windows::REG_OPTION_NON_VOLATILE || access != windows::KEY_ALL_ACCESS) misuse.push_back("RegCreateKeyExA: unexpected options or access");
    std::int32_t error = 0;
    RegKey* key = Resolve(base, subKey, true, error);
    if (key == nullptr) return error;
    result = NewKeyHandle(key);
    return windows::ERROR_SUCCESS;
}

std::int32_t FakePlatform::RegSetValueExA(KeyHandle key, const std::string& valueName,
                                          std::uint32_t type, const std::uint8_t* data,
                                          std::uint32_t size) {
    const PlatformCallScope scope;
    if (const Fault* fault = Enter("RegSetValueExA")) return static_cast<std::int32_t>(fault->error);
    const auto it = openKeys_.find(key);
    if (it == openKeys_.end()) return ERROR_INVALID_HANDLE;
    RegValue& value = it->second->values[valueName];
    value.type = type;
    value.data.assign(reinterpret_cast<const char*>(data), size);
    return windows::ERROR_SUCCESS;
}

std::int32_t FakePlatform::RegCloseKey(KeyHandle key) {
    const PlatformCallScope scope;
    const Fault* fault = Enter("RegCloseKey");
    const auto it = openKeys_.find(key);
    if (it == openKeys_.end()) {
        misuse.push_back(closedKeys_.count(key) ? "RegCloseKey: handle closed twice"
                                                : "RegCloseKey: unknown handle");
        return ERROR_INVALID_HANDLE;
    }
    // A failing close still releases the handle, as on Windows.
    openKeys_.erase(it);
    closedKeys_.insert(key);
    return fault ? static_cast<std::int32_t>(fault->error) : windows::ERROR_SUCCESS;
}

// --- shell and user interface -------------------------------------------------

bool FakePlatform::SHGetSpecialFolderPathA(char* buffer, std::int32_t folder, bool create) {
    const PlatformCallScope scope;
    if (Enter("SHGetSpecialFolderPathA")) return false;
    if (folder != windows::CSIDL_APPDATA || create) return false;
    if (appDataFolder.size() >= windows::MAX_PATH) return false;
    std::memcpy(buffer, appDataFolder.c_str(), appDataFolder.size() + 1);
    return true;
}

std::int32_t FakePlatform::MultiByteToWideChar(std::uint32_t codePage, const char* text,
                                               std::int32_t length, char16_t* wide,
                                               std::int32_t wideLength) {
    const PlatformCallScope scope;
    if (Enter("MultiByteToWideChar")) return 0;
    if (codePage != windows::CP_WINDOWS_1250 || length <= 0) return 0;
    iconv_t cd = iconv_open("UTF-16LE", "CP1250");
    if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
    std::string in(text, static_cast<std::size_t>(length));
    std::string out(static_cast<std::size_t>(length) * 4, '\0');
    char* inPtr = &in[0];
    char* outPtr = &out[0];
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) return 0;
    const std::size_t units = (out.size() - outLeft) / 2;
    if (units > static_cast<std::size_t>(wideLength)) return 0;
    for (std::size_t i = 0; i < units; ++i) {
        wide[i] = static_cast<char16_t>(static_cast<unsigned char>(out[2 * i]) |
                                        (static_cast<unsigned char>(out[2 * i + 1]) << 8));
    }
    return static_cast<std::int32_t>(units);
}

std::int32_t FakePlatform::MessageBoxW(const std::u16string& text, const std::u16string& caption,
                                       std::uint32_t style) {
    const PlatformCallScope scope;
    if (Enter("MessageBoxW")) return 0;
    boxes.push_back(ShownBox{text, caption, std::string(), std::string(), true, style});
    if (answers.empty()) return windows::IDOK;
    const std::int32_t answer = answers.front();
    answers.pop_front();
    return answer;
}

std::int32_t FakePlatform::MessageBoxA(const std::string& text, const std::string& caption,
                                       std::uint32_t style) {
    const PlatformCallScope scope;
    if (Enter("MessageBoxA")) return 0;
    boxes.push_back(ShownBox{std::u16string(), std::u16string(), text, caption, false, style});
    if (answers.empty()) return windows::IDOK;
    const std::int32_t answer = answers.front();
    answers.pop_front();
    return answer;
}

// --- process -----------------------------------------------------------------

std::uint32_t FakePlatform::GetModuleFileNameA(char* buffer, std::uint32_t size) {
    const PlatformCallScope scope;
    if (Enter("GetModuleFileNameA") || size == 0) return 0;
    const std::size_t length = std::min<std::size_t>(moduleFileName.size(), size - 1);
    std::memcpy(buffer, moduleFileName.data(), length);
    buffer[length] = '\0';
    return static_cast<std::uint32_t>(length);
}

void FakePlatform::ExitProcess(std::uint32_t code) {
    const PlatformCallScope scope;
    Enter("ExitProcess");
    exitCode = code;
    openKeysAtExit = openKeys_.size();
    openFilesAtExit = files.OpenFileCount();
}

void FakePlatform::Sleep(std::uint32_t milliseconds) {
    const PlatformCallScope scope;
    Enter("Sleep");
    sleeps.push_back(milliseconds);
    if (onSleep) onSleep();
}

// A fault stands for a Windows that lacks the call, or refuses it.
bool FakePlatform::SetDefaultDllDirectories(std::uint32_t directoryFlags) {
    const PlatformCallScope scope;
    if (Enter("SetDefaultDllDirectories")) return false;
    defaultDllDirectories = directoryFlags;
    return true;
}

bool FakePlatform::LoadLibraryExW(const std::u16string& name, std::uint32_t flags) {
    const PlatformCallScope scope;
    if (Enter("LoadLibraryExW")) return false;
    if (flags != windows::LOAD_LIBRARY_SEARCH_SYSTEM32) misuse.push_back("library loaded by search");
    loadedLibraries.push_back(name);
    return true;
}

bool FakePlatform::SetDllDirectoryW(const std::u16string& path) {
    const PlatformCallScope scope;
    if (Enter("SetDllDirectoryW")) return false;
    dllDirectory = path;
    return true;
}

std::uint32_t FakePlatform::GetLastError() {
    const PlatformCallScope scope;
    calls_.push_back("GetLastError");
    return lastError_;
}

}  // namespace velkaris::fake

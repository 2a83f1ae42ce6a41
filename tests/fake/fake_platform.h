#pragma once
// An in-memory Windows for the unit tests: a registry that behaves like the real
// one, a file system, scripted message box answers, and a fault that can be put
// on any call.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "fake/fake_file_system.h"
#include "platform/platform.h"

namespace velkaris::fake {

// Marks the time spent inside a fake platform call. Allocation failures that a
// test injects are meant for the system's own code: Windows calls never throw.
extern thread_local int platformCallDepth;
struct PlatformCallScope {
    PlatformCallScope() { ++platformCallDepth; }
    ~PlatformCallScope() { --platformCallDepth; }
    PlatformCallScope(const PlatformCallScope&) = delete;
    PlatformCallScope& operator=(const PlatformCallScope&) = delete;
};

// The fake keeps paths and texts in UTF-8 and takes and gives them in UTF-16 at
// the seam, converting with iconv rather than the program's own conversion. Empty
// when the text has no such form (an unpaired surrogate, a broken sequence).
std::optional<std::string> Utf8Of(const std::u16string& text);
std::optional<std::u16string> Utf16Of(const std::string& text);

// The registry's path rule: names between backslashes, one trailing backslash
// allowed, no other empty name. False for a path that breaks it.
bool SplitKeyPath(const std::string& path, std::vector<std::string>& parts);

// Windows compares key and value names without regard to ASCII letter case.
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

struct RegValue {
    std::uint32_t type = 0;
    std::string data;
};

struct RegKey {
    std::map<std::string, RegKey, CaseInsensitiveLess> subkeys;
    std::map<std::string, RegValue, CaseInsensitiveLess> values;
    bool readOnly = false;  // refuses opens and creates that ask for more than to query
};

struct ShownBox {
    std::u16string text;
    std::u16string caption;
    std::uint32_t style = 0;
};

// One planned failure: the nth call of the named platform call (1-based), or the
// nth platform call of any name when call is empty.
struct Fault {
    std::string call;
    int occurrence = 1;
    std::uint32_t error = 5;  // what the call reports (result or GetLastError)
    bool partial = false;     // ReadFile, WriteFile: succeed with half the bytes
};

class FakePlatform : public Platform {
public:
    // --- scripting and inspection -------------------------------------------
    void FailCall(const std::string& call, int occurrence = 1, std::uint32_t error = 5) {
        faults_.push_back(Fault{call, occurrence, error, false});
    }
    void AddFault(const Fault& fault) { faults_.push_back(fault); }
    const std::vector<std::string>& Calls() const { return calls_; }
    int CallCount(const std::string& call) const;

    RegKey hkcu;
    RegKey& AddKey(const std::string& path);  // path below HKEY_CURRENT_USER, backslashes
    const RegKey* FindKey(const std::string& path) const;
    const RegValue* FindValue(const std::string& keyPath, const std::string& name) const;
    std::size_t OpenKeyCount() const { return openKeys_.size(); }
    std::vector<std::string> misuse;  // e.g. a handle closed twice

    std::string appDataFolder = "C:\\Users\\anna\\AppData\\Roaming";
    std::string moduleFileName = "C:\\Users\\anna\\Downloads\\velkaris-labels.exe";
    std::u16string commandLine = u"\"C:\\Users\\anna\\Downloads\\velkaris-labels.exe\"";
    LocalTime localTime{2024, 5, 6, 7, 8, 9};
    std::uint32_t processId = 4242;
    std::string userName = "anna";
    std::string computerName = "PC-ANNA";
    bool localSystem = false;
    std::deque<std::int32_t> answers;  // next message box answers; IDOK when empty
    std::vector<ShownBox> boxes;
    std::optional<std::uint32_t> exitCode;
    std::size_t openKeysAtExit = 0;
    std::size_t openFilesAtExit = 0;
    // The waits asked for, in milliseconds: the fake never waits. onSleep, when
    // set, runs at each one, so a test can end another process's hold meanwhile.
    std::vector<std::uint32_t> sleeps;
    std::function<void()> onSleep;
    // What the DLL search calls were given, when they succeeded.
    std::optional<std::uint32_t> defaultDllDirectories;
    std::optional<std::u16string> dllDirectory;
    std::vector<std::u16string> loadedLibraries;  // by LoadLibraryExW, in order
    // Runs at the start of every call, by its name, so a test can let another
    // program take its turn there.
    std::function<void(const std::string& call)> onCall;

    // The disk. Platforms given one disk stand for programs running on one computer,
    // or on several that share a folder.
    std::shared_ptr<FakeFileSystem> disk = std::make_shared<FakeFileSystem>();
    FakeFileSystem& files = *disk;
    FakePlatform() = default;
    explicit FakePlatform(std::shared_ptr<FakeFileSystem> shared) : disk(std::move(shared)) {}

    // --- Platform -----------------------------------------------------------
    std::int32_t RegOpenKeyExA(KeyHandle base, const std::string& subKey, std::uint32_t options,
                               std::uint32_t access, KeyHandle& result) override;
    std::int32_t RegCreateKeyExA(KeyHandle base, const std::string& subKey, std::uint32_t options,
                                 std::uint32_t access, KeyHandle& result) override;
    std::int32_t RegSetValueExA(KeyHandle key, const std::string& valueName, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t size) override;
    std::int32_t RegQueryValueExA(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                                  std::uint8_t* data, std::uint32_t& size) override;
    std::int32_t RegDeleteValueA(KeyHandle key, const std::string& valueName) override;
    std::int32_t RegCloseKey(KeyHandle key) override;
    bool SHGetSpecialFolderPathW(char16_t* buffer, std::int32_t folder, bool create) override;
    std::int32_t MessageBoxW(const std::u16string& text, const std::u16string& caption,
                             std::uint32_t style) override;
    std::uint32_t GetModuleFileNameW(char16_t* buffer, std::uint32_t size) override;
    std::uint32_t GetCurrentProcessId() override;
    bool GetUserNameW(char16_t* buffer, std::uint32_t& size) override;
    bool GetComputerNameW(char16_t* buffer, std::uint32_t& size) override;
    bool RunsAsLocalSystem() override;
    std::u16string GetCommandLineW() override;
    void GetLocalTime(LocalTime& time) override;
    void ExitProcess(std::uint32_t exitCode) override;
    bool SetDefaultDllDirectories(std::uint32_t directoryFlags) override;
    bool SetDllDirectoryW(const std::u16string& path) override;
    bool LoadLibraryExW(const std::u16string& name, std::uint32_t flags) override;

    FileHandle CreateFileW(const std::u16string& path, std::uint32_t access,
                           std::uint32_t shareMode, std::uint32_t disposition,
                           std::uint32_t attributes) override;
    bool ReadFile(FileHandle file, char* buffer, std::uint32_t count, std::uint32_t& read) override;
    bool WriteFile(FileHandle file, const char* buffer, std::uint32_t count,
                   std::uint32_t& written) override;
    std::uint32_t SetFilePointer(FileHandle file, std::int32_t distance,
                                 std::uint32_t moveMethod) override;
    bool FlushFileBuffers(FileHandle file) override;
    bool GetFileInformationByHandle(FileHandle file, FileInformation& information) override;
    bool CloseHandle(FileHandle handle) override;
    FindHandle FindFirstFileW(const std::u16string& path, FindData& found) override;
    bool FindClose(FindHandle search) override;
    std::uint32_t GetFullPathNameW(const std::u16string& path, std::uint32_t size,
                                   char16_t* buffer) override;
    bool CreateDirectoryW(const std::u16string& path) override;
    bool MoveFileExW(const std::u16string& from, const std::u16string& to,
                     std::uint32_t flags) override;
    bool DeleteFileW(const std::u16string& path) override;
    std::uint32_t GetLastError() override;
    std::uint32_t FormatMessageW(std::uint32_t flags, std::uint32_t messageId,
                                 std::uint32_t languageId, char16_t* buffer,
                                 std::uint32_t size) override;
    void Sleep(std::uint32_t milliseconds) override;

private:
    // Every call goes through here. It records the call and runs body unless a
    // planned fault stops it first, failing it with `failed` or, when that is
    // empty, with the fault's error, as the registry calls return theirs. A body
    // that takes the fault runs under it too and gives the result itself: closes
    // still give the handle up, short reads and writes do half. The error a body
    // reports is kept for GetLastError.
    template <typename Result, typename Body>
    Result Forward(const char* call, std::optional<Result> failed, Body body) {
        const PlatformCallScope scope;
        const Fault* fault = Enter(call);
        std::uint32_t error = 0;
        Result result{};
        if constexpr (std::is_invocable_v<Body, std::uint32_t&, const Fault*>) {
            result = body(error, fault);
        } else if (fault == nullptr) {
            result = body(error);
        } else {
            return failed ? *failed : static_cast<Result>(fault->error);
        }
        if (error != 0) lastError_ = error;
        return result;
    }
    const Fault* Enter(const char* call);
    // Notes a misuse: arguments the program never passes (no handle), or a
    // handle it does not hold, or a text no UTF-8 stands for. Every misuse text is
    // made here.
    void Misuse(const char* call, std::optional<std::intptr_t> handle, bool badText = false);
    std::intptr_t NewHandle();
    // A path the program gave, in the files' UTF-8; a misuse when it has none.
    std::string PathOf(const char* call, const std::u16string& path);
    // The open file or search behind a handle; a misuse when there is none.
    FakeFileSystem::Open* Opened(std::intptr_t handle, bool search, const char* call,
                                 std::uint32_t& error);
    bool Close(std::intptr_t handle, bool search, const char* call, std::uint32_t& error);
    // The key behind a handle. The program may pass a key it failed to open: the
    // call then fails as on Windows; only closing it is a misuse.
    RegKey* OpenedKey(KeyHandle key);
    // queryOnly: the open asks only to query, which a read-only key grants.
    std::int32_t OpenKey(const char* call, KeyHandle base, const std::string& subKey,
                         bool create, bool queryOnly, bool expectedArguments, KeyHandle& result);
    // A name into a buffer of size units; the count given back holds the NUL for
    // GetUserNameW, not for GetComputerNameW, as on Windows.
    bool GiveName(const char* call, const std::string& name, char16_t* buffer,
                  std::uint32_t& size, bool countsNul);

    std::vector<std::string> calls_;
    std::map<std::string, int> callCounts_;
    std::vector<Fault> faults_;
    std::map<KeyHandle, RegKey*> openKeys_;
    std::set<std::intptr_t> closed_;  // handles of every kind once closed
    std::uint32_t lastError_ = 0;
};

}  // namespace velkaris::fake

#include "services/safe_save.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

#include "platform/win_values.h"
#include "services/file_reading.h"
#include "services/system_error_text.h"
#include "services/transient_retry.h"
#include "text/errors.h"
#include "text/utf8_utf16.h"

namespace velkaris {

namespace {

// The error code is taken by the caller right after the call that failed: the
// calls made here to build the message may change the thread's last error.
[[noreturn]] void RaiseCreateError(Platform& platform, const std::string& path,
                                   std::uint32_t errorCode) {
    throw EFCreateError(CannotCreateFile(AbsolutePath(platform, path),
                                         SystemErrorText(platform, errorCode)),
                        RemedyForSystemError(errorCode));
}

// Named as the create error names it: the label file the new one is written for.
[[noreturn]] void RaiseWriteError(Platform& platform, const std::string& path,
                                  std::uint32_t errorCode) {
    throw EWriteError(CannotWriteToFile(AbsolutePath(platform, path),
                                        SystemErrorText(platform, errorCode)),
                      RemedyForSystemError(errorCode));
}

constexpr std::uint32_t ERROR_FILE_TOO_LARGE = 223;

// How deep leftovers are taken away: the new file, the scratch file that removes a
// leftover there, and one that removes a leftover scratch file.
constexpr std::size_t NAMES = 3;

// The temporary file of one save and the scratch files that take leftovers away from
// its name: each closed when still open, and removed only when this save made it and
// it has not replaced the target.
class TemporaryFile {
public:
    TemporaryFile(Platform& platform, const std::string& path) : platform_(platform) {
        names_[0] = Utf8ToUtf16(path);
        for (std::size_t i = 1; i < NAMES; ++i) names_[i] = names_[i - 1] + u"~";
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (handle_ != win::INVALID_HANDLE_VALUE) platform_.CloseHandle(handle_);
        // A scanner may be looking at the file just closed: wait for it, a little.
        if (ours_[0] && !moved_) {
            RetryTransient(platform_, [this] { return platform_.DeleteFileW(names_[0]); });
        }
        for (std::size_t i = 1; i < NAMES; ++i) {
            if (ours_[i]) platform_.DeleteFileW(names_[i]);
        }
    }

    const std::u16string& Path() const { return names_[0]; }
    FileHandle Handle() const { return handle_; }
    // The leftover or scratch file whose step failed when Create did; null when none did.
    const std::u16string* InTheWay() const { return inTheWay_; }

    // Made only where no file is, so that nothing is ever written through a name that
    // was there: a leftover, an earlier run's or a link someone planted, is removed
    // first, and one put back meanwhile is reported. Opened with no sharing, so nothing
    // else writes into it. A leftover may still be held by a scanner for a moment.
    bool Create() {
        return RetryTransient(platform_, [this] {
            inTheWay_ = nullptr;
            if (CreateNew(0)) return true;
            return platform_.GetLastError() == win::ERROR_FILE_EXISTS && RemoveLeftover(0) &&
                   (CreateNew(0) || Blocked(0));
        });
    }
    // A close that fails may have lost written data; the handle is gone either way.
    bool Close() {
        const FileHandle handle = handle_;
        handle_ = win::INVALID_HANDLE_VALUE;
        return platform_.CloseHandle(handle);
    }
    void MarkMoved() { moved_ = true; }

private:
    bool CreateNew(std::size_t name) {
        handle_ = platform_.CreateFileW(names_[name], win::GENERIC_READ | win::GENERIC_WRITE, 0,
                                        win::CREATE_NEW, win::FILE_ATTRIBUTE_NORMAL);
        if (handle_ == win::INVALID_HANDLE_VALUE) return false;
        return ours_[name] = true;
    }
    bool Blocked(std::size_t name) {
        if (inTheWay_ == nullptr) inTheWay_ = &names_[name];
        return false;
    }

    // Takes the leftover at a name away without following it, should it be a link:
    // Wine deletes or renames what a symbolic link points to, but a file renamed over
    // the link replaces the link itself, as on Windows. That empty file, made at the
    // next name (whose own leftover a killed run may have left, taken away the same
    // way first), is ours to delete. Each step's file is ours from then on, for a
    // later attempt or the destructor.
    bool RemoveLeftover(std::size_t name) {
        const std::size_t scratch = name + 1;
        if (scratch == NAMES) return Blocked(name);
        if (!ours_[scratch]) {
            const bool made =
                CreateNew(scratch) || (platform_.GetLastError() == win::ERROR_FILE_EXISTS &&
                                       RemoveLeftover(scratch) && CreateNew(scratch));
            if (!made) return Blocked(scratch);
            Close();
        }
        if (!platform_.MoveFileExW(names_[scratch], names_[name], win::MOVEFILE_REPLACE_EXISTING)) {
            return Blocked(name);
        }
        ours_[scratch] = false;
        ours_[name] = true;
        if (!platform_.DeleteFileW(names_[name])) return Blocked(name);
        ours_[name] = false;
        return true;
    }

    Platform& platform_;
    std::array<std::u16string, NAMES> names_;  // converted once: the destructor must not allocate
    FileHandle handle_ = win::INVALID_HANDLE_VALUE;
    std::array<bool, NAMES> ours_{};  // the file at that name is this save's own
    bool moved_ = false;
    const std::u16string* inTheWay_ = nullptr;
};

}  // namespace

void SaveFileSafely(Platform& platform, const std::string& path, const std::string& text,
                    HeldFile* replaced) {
    TemporaryFile temporary(platform, path + ".new");

    if (!temporary.Create()) {
        const std::uint32_t error = platform.GetLastError();
        RaiseCreateError(platform, temporary.InTheWay() ? Utf16ToUtf8(*temporary.InTheWay()) : path,
                         error);
    }
    if (!text.empty()) {
        if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
            RaiseWriteError(platform, path, ERROR_FILE_TOO_LARGE);
        }
        const auto size = static_cast<std::uint32_t>(text.size());
        std::uint32_t written = 0;
        if (!platform.WriteFile(temporary.Handle(), text.data(), size, written)) {
            RaiseWriteError(platform, path, platform.GetLastError());
        }
        // A write that stops short sets no error: the disk is full.
        if (written != size) RaiseWriteError(platform, path, win::ERROR_DISK_FULL);
    }
    if (!platform.FlushFileBuffers(temporary.Handle())) {
        RaiseWriteError(platform, path, platform.GetLastError());
    }
    if (!temporary.Close()) RaiseWriteError(platform, path, platform.GetLastError());

    // The file read was held against writers until now; its size and write time show
    // one that ignored that. It is let go only now, as an open file cannot be replaced.
    if (replaced != nullptr && !replaced->CloseUnchanged()) {
        throw EFCreateError(CannotCreateFile(
            AbsolutePath(platform, path),
            "Another program changed it while the labels were being added; nothing was written"));
    }
    // The rename is the one step that touches the target: it either takes the whole
    // new file or leaves the old one. A scanner may hold either file just now.
    const std::uint32_t flags =
        (replaced != nullptr ? win::MOVEFILE_REPLACE_EXISTING : 0) | win::MOVEFILE_WRITE_THROUGH;
    const std::u16string target = Utf8ToUtf16(path);
    if (!RetryTransient(platform, [&] {
            return platform.MoveFileExW(temporary.Path(), target, flags);
        })) {
        RaiseCreateError(platform, path, platform.GetLastError());
    }
    temporary.MarkMoved();
}

}  // namespace velkaris

#include "services/safe_save.h"

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
    throw EFCreateError(InsertTexts("Cannot create file \"%s\". %s",
                                    {AbsolutePath(platform, path),
                                     SystemErrorText(platform, errorCode)}),
                        RemedyForSystemError(errorCode));
}

// Named as the create error names it: the label file the new one is written for.
[[noreturn]] void RaiseWriteError(Platform& platform, const std::string& path,
                                  std::uint32_t errorCode) {
    throw EWriteError(InsertTexts("Cannot write to file \"%s\". %s",
                                  {AbsolutePath(platform, path),
                                   SystemErrorText(platform, errorCode)}),
                      RemedyForSystemError(errorCode));
}

constexpr std::uint32_t ERROR_FILE_TOO_LARGE = 223;

// The temporary file of one save: closed when still open, and removed unless it
// has replaced the target.
class TemporaryFile {
public:
    TemporaryFile(Platform& platform, const std::string& path)
        : platform_(platform), path_(Utf8ToUtf16(path)), scratch_(path_ + u"~") {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (handle_ != win::INVALID_HANDLE_VALUE) platform_.CloseHandle(handle_);
        // A scanner may be looking at the file just closed: wait for it, a little.
        if (ours_ && !moved_) {
            RetryTransient(platform_, [this] { return platform_.DeleteFileW(path_); });
        }
        if (scratchLeft_) platform_.DeleteFileW(scratch_);
    }

    const std::u16string& Path() const { return path_; }
    FileHandle Handle() const { return handle_; }

    // Made only where no file is, so that nothing is ever written through a name that
    // was there: a leftover, an earlier run's or a link someone planted, is removed
    // first, and one put back meanwhile is reported. Opened with no sharing, so nothing
    // else writes into it. A leftover may still be held by a scanner for a moment.
    bool Create() {
        return RetryTransient(platform_, [this] {
            if (CreateNew(path_)) return ours_ = true;
            return platform_.GetLastError() == win::ERROR_FILE_EXISTS && RemoveLeftover() &&
                   (ours_ = CreateNew(path_));
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
    bool CreateNew(const std::u16string& path) {
        handle_ = platform_.CreateFileW(path, win::GENERIC_READ | win::GENERIC_WRITE, 0,
                                        win::CREATE_NEW, win::FILE_ATTRIBUTE_NORMAL);
        return handle_ != win::INVALID_HANDLE_VALUE;
    }

    // Takes the leftover away without following it, should it be a link: Wine deletes
    // or renames what a symbolic link points to, but a file renamed over the link
    // replaces the link itself, as on Windows. That empty file is ours to delete.
    // Each step's file is ours from then on, for a later attempt or the destructor.
    bool RemoveLeftover() {
        if (!scratchLeft_) {
            if (!CreateNew(scratch_)) return false;
            scratchLeft_ = true;
            Close();
        }
        if (!platform_.MoveFileExW(scratch_, path_, win::MOVEFILE_REPLACE_EXISTING)) return false;
        scratchLeft_ = false;
        ours_ = true;
        if (!platform_.DeleteFileW(path_)) return false;
        ours_ = false;
        return true;
    }

    Platform& platform_;
    std::u16string path_;  // converted once: the destructor must not allocate
    std::u16string scratch_;
    FileHandle handle_ = win::INVALID_HANDLE_VALUE;
    bool ours_ = false;         // the file at path_ is this save's own
    bool moved_ = false;
    bool scratchLeft_ = false;  // removed at the end, once no error code is still wanted
};

}  // namespace

void SaveFileSafely(Platform& platform, const std::string& path, const std::string& text,
                    bool replaceExisting) {
    TemporaryFile temporary(platform, path + ".new");

    if (!temporary.Create()) RaiseCreateError(platform, path, platform.GetLastError());
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

    // The rename is the one step that touches the target: it either takes the whole
    // new file or leaves the old one. A scanner may hold either file just now.
    const std::uint32_t flags =
        (replaceExisting ? win::MOVEFILE_REPLACE_EXISTING : 0) | win::MOVEFILE_WRITE_THROUGH;
    const std::u16string target = Utf8ToUtf16(path);
    if (!RetryTransient(platform, [&] {
            return platform.MoveFileExW(temporary.Path(), target, flags);
        })) {
        RaiseCreateError(platform, path, platform.GetLastError());
    }
    temporary.MarkMoved();
}

}  // namespace velkaris

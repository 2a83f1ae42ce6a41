#include "support/line_list.h"

#include <cstddef>
#include <limits>
#include <utility>

#include "platform/platform.h"
#include "platform/win_values.h"
#include "support/exception.h"
#include "support/file_primitives.h"
#include "support/system_error_text.h"
#include "support/text.h"
#include "support/transient_retry.h"

namespace velkaris {

namespace {

const std::string kLineBreak = "\r\n";
bool IsLineEnd(char c) { return c == '\r' || c == '\n' || c == '\0'; }

std::int32_t GrowthStep(std::int32_t capacity) {
    if (capacity <= 8) return 4;
    if (capacity <= 64) return 16;
    return capacity / 4;
}

// The error code is taken by the caller right after the call that failed: the
// calls made here to build the message may change the thread's last error.
[[noreturn]] void RaiseCreateError(Platform& platform, const std::string& path,
                                   std::uint32_t errorCode) {
    const std::string absolute = AbsolutePath(platform, path);
    throw EFCreateError(FormatMessageText("Cannot create file \"%s\". %s",
                                          {absolute, SystemErrorText(platform, errorCode)}));
}

[[noreturn]] void RaiseWriteError() { throw EWriteError("Stream write error"); }

// The temporary file of one save: closed when still open, and removed unless it
// has replaced the target.
class TemporaryFile {
public:
    TemporaryFile(Platform& platform, std::string path)
        : platform_(platform), path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (handle_ != win::INVALID_HANDLE_VALUE) platform_.CloseHandle(handle_);
        // A scanner may be looking at the file just closed: wait for it, a little.
        if (created_ && !moved_) {
            RetryTransient(platform_, [this] { return platform_.DeleteFileA(path_); });
        }
    }

    const std::string& Path() const { return path_; }
    FileHandle Handle() const { return handle_; }

    // A leftover of an earlier run may still be held by a scanner for a moment.
    bool Create() {
        created_ = RetryTransient(platform_, [this] {
            handle_ = platform_.CreateFileA(path_, win::GENERIC_READ | win::GENERIC_WRITE, 0,
                                            win::CREATE_ALWAYS, win::FILE_ATTRIBUTE_NORMAL);
            return handle_ != win::INVALID_HANDLE_VALUE;
        });
        return created_;
    }
    // A close that fails may have lost written data; the handle is gone either way.
    bool Close() {
        const FileHandle handle = handle_;
        handle_ = win::INVALID_HANDLE_VALUE;
        return platform_.CloseHandle(handle);
    }
    void MarkMoved() { moved_ = true; }

private:
    Platform& platform_;
    std::string path_;
    FileHandle handle_ = win::INVALID_HANDLE_VALUE;
    bool created_ = false;
    bool moved_ = false;
};

// Appends one item, growing the storage in steps; the item is moved in, so the
// split makes each line once.
std::int32_t AppendItem(std::vector<std::string>& items, std::int32_t& capacity,
                        std::string&& text) {
    return RaiseOutOfMemoryAsError([&] {
        const auto index = static_cast<std::int32_t>(items.size());
        if (index == capacity) {
            const std::int32_t step = GrowthStep(capacity);
            if (capacity > std::numeric_limits<std::int32_t>::max() - step) {
                throw EOutOfMemory("Out of memory");
            }
            items.reserve(static_cast<std::size_t>(capacity + step));
            capacity += step;
        }
        items.push_back(std::move(text));
        return index;
    });
}

}  // namespace

std::int32_t LineList::AddItem(const std::string& text) {
    return AppendItem(items_, capacity_, RaiseOutOfMemoryAsError([&] { return text; }));
}

std::int32_t LineList::AddItem(std::string&& text) {
    return AppendItem(items_, capacity_, std::move(text));
}

std::int32_t LineList::ItemCount() const { return static_cast<std::int32_t>(items_.size()); }

const std::string& LineList::Item(std::int32_t index) const {
    return items_.at(static_cast<std::size_t>(index));
}

std::int32_t LineList::Capacity() const { return capacity_; }

std::string LineList::WholeText() const {
    return RaiseOutOfMemoryAsError([&] {
        std::size_t length = 0;
        for (const std::string& item : items_) length += item.size() + kLineBreak.size();
        std::string text;
        text.reserve(length);
        for (const std::string& item : items_) {
            text += item;
            text += kLineBreak;
        }
        return text;
    });
}

void LineList::SetWholeText(std::string text) {
    Empty();
    RaiseOutOfMemoryAsError([&] {
        const std::size_t size = text.size();
        std::size_t cursor = 0;
        while (cursor < size && text[cursor] != '\0') {
            const std::size_t lineStart = cursor;
            // A plain scan: the label file is split whole, more than once per run.
            while (cursor < size && !IsLineEnd(text[cursor])) ++cursor;
            AppendItem(items_, capacity_, text.substr(lineStart, cursor - lineStart));
            if (cursor < size && text[cursor] == '\r') ++cursor;
            if (cursor < size && text[cursor] == '\n') ++cursor;
        }
    });
}

void LineList::Empty() {
    std::vector<std::string>().swap(items_);
    capacity_ = 0;
}

void LineList::WriteToFile(Platform& platform, const std::string& path,
                           bool replaceExisting) const {
    // The text is made before any file is touched: running out of memory then
    // leaves nothing behind.
    WriteTextToFile(platform, path, WholeText(), replaceExisting);
}

void WriteTextToFile(Platform& platform, const std::string& path, const std::string& text,
                     bool replaceExisting) {
    TemporaryFile temporary(platform, RaiseOutOfMemoryAsError([&] { return path + ".new"; }));

    if (!temporary.Create()) RaiseCreateError(platform, path, platform.GetLastError());
    if (!text.empty()) {
        if (text.size() > std::numeric_limits<std::uint32_t>::max()) RaiseWriteError();
        const auto size = static_cast<std::uint32_t>(text.size());
        std::uint32_t written = 0;
        if (!platform.WriteFile(temporary.Handle(), text.data(), size, written) ||
            written != size) {
            RaiseWriteError();
        }
    }
    if (!platform.FlushFileBuffers(temporary.Handle())) RaiseWriteError();
    if (!temporary.Close()) RaiseWriteError();

    // The rename is the one step that touches the target: it either takes the whole
    // new file or leaves the old one. A scanner may hold either file just now.
    const std::uint32_t flags =
        (replaceExisting ? win::MOVEFILE_REPLACE_EXISTING : 0) | win::MOVEFILE_WRITE_THROUGH;
    if (!RetryTransient(platform, [&] {
            return platform.MoveFileExA(temporary.Path(), path, flags);
        })) {
        RaiseCreateError(platform, path, platform.GetLastError());
    }
    temporary.MarkMoved();
}

}  // namespace velkaris

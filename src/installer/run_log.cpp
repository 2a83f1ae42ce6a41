#include "installer/run_log.h"

#include <cstdio>

#include "platform/win_values.h"
#include "services/system_error_text.h"
#include "text/errors.h"
#include "text/utf8_utf16.h"

namespace velkaris {

namespace {

// A write that failed without saying why.
constexpr std::uint32_t ERROR_WRITE_FAULT = 29;

}  // namespace

void RunLog::Close() {
    if (file_ != win::INVALID_HANDLE_VALUE) platform_.CloseHandle(file_);
    file_ = win::INVALID_HANDLE_VALUE;
}

bool RunLog::TryOpen(const std::u16string& path) {
    path_ = Utf16ToUtf8(path);
    processId_ = platform_.GetCurrentProcessId();
    file_ = platform_.CreateFileW(path, win::FILE_APPEND_DATA,
                                  win::FILE_SHARE_READ | win::FILE_SHARE_WRITE, win::OPEN_ALWAYS,
                                  win::FILE_ATTRIBUTE_NORMAL);
    return file_ != win::INVALID_HANDLE_VALUE;
}

void RunLog::Open(const std::u16string& path) {
    if (TryOpen(path)) return;
    const std::uint32_t error = platform_.GetLastError();
    throw EFCreateError(CannotCreateFile(path_, SystemErrorText(platform_, error)),
                        Remedy::LogElsewhere);
}

void RunLog::Line(std::string_view text) {
    if (file_ == win::INVALID_HANDLE_VALUE) return;
    LocalTime now;
    platform_.GetLocalTime(now);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u [%lu] ", unsigned{now.year},
                  unsigned{now.month}, unsigned{now.day}, unsigned{now.hour}, unsigned{now.minute},
                  unsigned{now.second}, static_cast<unsigned long>(processId_));
    const std::string line = stamp + std::string(text) + "\r\n";
    std::uint32_t written = 0;
    const bool ok =
        platform_.WriteFile(file_, line.data(), static_cast<std::uint32_t>(line.size()), written);
    if (ok && written == line.size()) return;
    // A write that stops short has set no error: the disk is full.
    const std::uint32_t error = ok ? win::ERROR_DISK_FULL : platform_.GetLastError();
    failure_ = error != 0 ? error : ERROR_WRITE_FAULT;
    Close();
}

void RunLog::Lines(std::string_view prefix, std::string_view text) {
    if (file_ == win::INVALID_HANDLE_VALUE) return;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        Line(std::string(prefix) + std::string(text.substr(0, end)));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 2);
    }
}

void RunLog::RaiseFailure() const {
    throw EWriteError(CannotWriteToFile(path_, SystemErrorText(platform_, failure_)),
                      RemedyForSystemError(failure_));
}

}  // namespace velkaris

#include "installer/run_log.h"

#include <cstdio>

#include "platform/win_values.h"
#include "services/system_error_text.h"
#include "text/errors.h"
#include "text/utf8_utf16.h"

namespace velkaris {

void RunLog::Close() {
    if (file_ != win::INVALID_HANDLE_VALUE) platform_.CloseHandle(file_);
    file_ = win::INVALID_HANDLE_VALUE;
}

void RunLog::Open(const std::u16string& path) {
    path_ = Utf16ToUtf8(path);
    file_ = platform_.CreateFileW(path, win::FILE_APPEND_DATA,
                                  win::FILE_SHARE_READ | win::FILE_SHARE_WRITE, win::OPEN_ALWAYS,
                                  win::FILE_ATTRIBUTE_NORMAL);
    if (file_ == win::INVALID_HANDLE_VALUE) {
        throw EFCreateError(InsertTexts("Cannot create file \"%s\". %s",
                                        {path_, SystemErrorText(platform_, platform_.GetLastError())}));
    }
}

void RunLog::Line(std::string_view text) {
    if (file_ == win::INVALID_HANDLE_VALUE) return;
    LocalTime now;
    platform_.GetLocalTime(now);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u ", unsigned{now.year},
                  unsigned{now.month}, unsigned{now.day}, unsigned{now.hour}, unsigned{now.minute},
                  unsigned{now.second});
    const std::string line = stamp + std::string(text) + "\r\n";
    std::uint32_t written = 0;
    if (platform_.WriteFile(file_, line.data(), static_cast<std::uint32_t>(line.size()), written) &&
        written == line.size()) {
        return;
    }
    const std::uint32_t error = platform_.GetLastError();
    Close();
    throw EWriteError(InsertTexts("Cannot write to file \"%s\". %s",
                                  {path_, SystemErrorText(platform_, error)}));
}

}  // namespace velkaris

#include "services/held_file.h"

#include "platform/win_values.h"
#include "services/transient_retry.h"
#include "text/utf8_utf16.h"

namespace velkaris {

HeldFile::HeldFile(Platform& platform, const std::string& path) : platform_(platform) {
    const std::u16string wide = Utf8ToUtf16(path);
    const bool held = RetryTransient(platform, [&] {
        handle_ = platform.CreateFileW(wide, win::GENERIC_READ, win::FILE_SHARE_READ,
                                       win::OPEN_EXISTING, win::FILE_ATTRIBUTE_NORMAL);
        return IsOpen();
    }) && platform.GetFileInformationByHandle(handle_, opened_);
    if (!held) {
        error_ = platform.GetLastError();
        Close();
    }
}

bool HeldFile::CloseUnchanged() {
    FileInformation now;
    const bool unchanged = IsOpen() && platform_.GetFileInformationByHandle(handle_, now) &&
                           now.size == opened_.size &&
                           now.lastWriteTime == opened_.lastWriteTime;
    Close();
    return unchanged;
}

void HeldFile::Close() {
    if (!IsOpen()) return;
    platform_.CloseHandle(handle_);
    handle_ = NONE;
}

}  // namespace velkaris

#include "services/file_lock.h"

#include <cstdint>

#include "platform/win_values.h"
#include "services/file_reading.h"
#include "services/system_error_text.h"
#include "services/transient_retry.h"
#include "text/errors.h"
#include "text/utf8_utf16.h"

namespace velkaris {

FileLock::FileLock(Platform& platform, const std::string& path)
    : platform_(platform), handle_(win::INVALID_HANDLE_VALUE) {
    const std::string lock = path + ".lock";
    const std::u16string wide = Utf8ToUtf16(lock);
    // A link someone planted at the lock's name is opened, and deleted, itself: never
    // the file it points to.
    const std::uint32_t flags = win::FILE_ATTRIBUTE_NORMAL | win::FILE_FLAG_DELETE_ON_CLOSE |
                                win::FILE_FLAG_OPEN_REPARSE_POINT;
    if (RetryTransient(platform, LOCK_WAIT, [&] {
            handle_ = platform.CreateFileW(wide, win::GENERIC_READ | win::GENERIC_WRITE, 0,
                                           win::OPEN_ALWAYS, flags);
            return handle_ != win::INVALID_HANDLE_VALUE;
        })) {
        return;
    }
    const std::uint32_t error = platform.GetLastError();
    const bool anotherCopy = error == win::ERROR_SHARING_VIOLATION;
    throw EFCreateError(
        CannotCreateFile(AbsolutePath(platform, lock),
                         anotherCopy ? "Another copy of this program is adding labels to the "
                                       "same label file and has not finished within 30 seconds"
                                     : SystemErrorText(platform, error)),
        anotherCopy ? Remedy::RunLater : RemedyForSystemError(error));
}

FileLock::~FileLock() { platform_.CloseHandle(handle_); }

}  // namespace velkaris

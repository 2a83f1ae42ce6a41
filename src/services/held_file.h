#pragma once
// A file kept open against writers (sharing read only) from before it is read until
// just before it is replaced, so that Word, or the user in Word's label dialog, cannot
// save it in between and have that change lost. It must be closed before the rename:
// a file still open cannot be replaced, whatever its sharing.

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace velkaris {

class HeldFile {
public:
    // Opens the file, waiting out a brief hold. When it cannot, IsOpen is false and
    // Error gives the reason.
    HeldFile(Platform& platform, const std::string& path);
    ~HeldFile() { Close(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

    bool IsOpen() const { return handle_ != NONE; }
    std::uint32_t Error() const { return error_; }
    // Lets go of the file; true when its size and last-write time are still those it
    // had when it was opened (a writer that ignores the sharing shows there).
    bool CloseUnchanged();

private:
    static constexpr FileHandle NONE = -1;  // INVALID_HANDLE_VALUE; windows.h may stand beside this
    void Close();

    Platform& platform_;
    FileHandle handle_ = NONE;
    FileInformation opened_;
    std::uint32_t error_ = 0;
};

}  // namespace velkaris

#pragma once
// One change of the label file, the install's or the uninstall's. Copies run at once
// (a logon script and Intune, two sessions, two computers on one redirected folder):
// one at a time reads and replaces the file, or one would replace it without the
// labels another has just added. And nothing else writes the file between the read
// and the save, or that change would be lost.

#include <optional>
#include <string>

#include "platform/platform.h"
#include "services/file_lock.h"
#include "services/held_file.h"

namespace velkaris {

class LabelFileChange {
public:
    // Takes the lock beside the file at path, then holds the file, when it is there,
    // against writers. Raises the lock's EFCreateError, or EFOpenError naming the file
    // when it cannot be held.
    LabelFileChange(Platform& platform, const std::string& path);
    LabelFileChange(const LabelFileChange&) = delete;
    LabelFileChange& operator=(const LabelFileChange&) = delete;

    bool FilePresent() const { return held_.has_value(); }
    // Replaces the file with text in one rename, only if it is as it was held.
    // Raises the safe save's errors.
    void Save(const std::string& text);

private:
    Platform& platform_;
    std::string path_;
    FileLock lock_;                 // released last, after the rename
    std::optional<HeldFile> held_;  // of a file that was there
};

}  // namespace velkaris

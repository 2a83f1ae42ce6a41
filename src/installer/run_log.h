#pragma once
// The record of a run an administrator asks for with /log: UTF-8 lines appended to
// a file. Without a file it takes the lines and keeps nothing.

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace velkaris {

class RunLog {
public:
    explicit RunLog(Platform& platform) : platform_(platform) {}
    ~RunLog() { Close(); }
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    // Opens the file for appending, creating it if needed; shared for reading and
    // writing, so that two runs may append to one file. Raises EFCreateError naming it.
    void Open(const std::u16string& path);
    // The local time, the text and CR LF, written in one call so that lines of runs
    // appending at once do not mix; without a file, nothing, not even an allocation.
    // A failed write raises EWriteError and ends the log.
    void Line(std::string_view text);
    void Close();

private:
    Platform& platform_;
    FileHandle file_ = -1;
    std::string path_;  // UTF-8, for messages
};

}  // namespace velkaris

#pragma once
// The record of a run an administrator asks for with /log: UTF-8 lines appended to
// a file that many runs may share. Without a file it takes the lines and keeps nothing.

#include <cstdint>
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
    // writing, so that runs may append to one file. False when it cannot.
    bool TryOpen(const std::u16string& path);
    // The same, raising EFCreateError naming the file: a log asked for and not
    // kept must stop the run before anything changes.
    void Open(const std::u16string& path);
    // The local time, the process id, the text and CR LF, written in one call so
    // that lines of runs appending at once do not mix; without a file, nothing, not
    // even an allocation. A write that fails or stops short ends the log and is
    // kept for Failed: the install goes on.
    void Line(std::string_view text);
    // Each line of a text (CR LF breaks it) as a line of its own, after prefix.
    void Lines(std::string_view prefix, std::string_view text);
    bool Failed() const { return failure_ != 0; }
    // The failure, as EWriteError naming the file and the system's reason.
    [[noreturn]] void RaiseFailure() const;
    void Close();

private:
    Platform& platform_;
    FileHandle file_ = -1;
    std::uint32_t processId_ = 0;
    std::uint32_t failure_ = 0;  // the error code of the write that failed
    std::string path_;           // UTF-8, for messages
};

}  // namespace velkaris

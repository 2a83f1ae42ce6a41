#pragma once
// The program's switches, read from its UTF-16 command line.

#include <optional>
#include <string>
#include <vector>

namespace velkaris {

struct CommandLine {
    bool quiet = false;                    // /quiet: no box; the question counts as Yes
    bool help = false;                     // /? or /help
    bool uninstall = false;                // /uninstall: take the pack out again
    std::optional<std::u16string> logPath;  // /log FILE
    // The first switch not understood (unknown, or /log without a file).
    std::optional<std::u16string> badSwitch;
};

// The arguments as Windows' own split gives them (CommandLineToArgvW's rules), the
// program's name first.
std::vector<std::u16string> SplitCommandLine(const std::u16string& line);

// Switches start with / or -, in any letter case; other arguments (a file dropped
// onto the program) are ignored. /log takes the next argument unless it is a switch
// the program knows.
CommandLine ParseCommandLine(const std::u16string& line);

// An argument as the box and the log show it: as written, cut after 80 UTF-16 units
// with an ellipsis.
std::u16string ShownArgument(const std::u16string& argument);

}  // namespace velkaris

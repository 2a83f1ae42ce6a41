#include "installer/command_line.h"

#include <gtest/gtest.h>

namespace velkaris {
namespace {

// One row per command line: what the split gives after the program's name, and the
// switches read from it.
struct Case {
    std::u16string line;
    std::vector<std::u16string> arguments;
    bool quiet;
    bool help;
    std::u16string log;  // empty: none
    std::u16string bad;  // empty: none
    bool uninstall = false;
};

const Case CASES[] = {
    {u"\"C:\\Program Files\\v.exe\"", {}, false, false, u"", u""},
    {u"v.exe C:\\Users\\a\\label.xml", {u"C:\\Users\\a\\label.xml"}, false, false, u"", u""},
    {u"v.exe /quiet", {u"/quiet"}, true, false, u"", u""},
    {u"v.exe -QUIET", {u"-QUIET"}, true, false, u"", u""},
    {u"v.exe /Quiet /LOG \"C:\\log dir\\ł Журнал.log\"",
     {u"/Quiet", u"/LOG", u"C:\\log dir\\ł Журнал.log"}, true, false, u"C:\\log dir\\ł Журнал.log", u""},
    {u"v.exe\t-log a.log -log b.log", {u"-log", u"a.log", u"-log", u"b.log"}, false, false, u"b.log", u""},
    {u"v.exe /?", {u"/?"}, false, true, u"", u""},
    {u"v.exe -Help", {u"-Help"}, false, true, u"", u""},
    {u"v.exe /quiet /silent /x", {u"/quiet", u"/silent", u"/x"}, true, false, u"", u"/silent"},
    {u"v.exe /log", {u"/log"}, false, false, u"", u"/log"},
    {u"v.exe /log \"\"", {u"/log", u""}, false, false, u"", u"/log"},
    {u"v.exe / -", {u"/", u"-"}, false, false, u"", u"/"},
    // Windows' quoting: 2n backslashes and a quote give n and toggle; 2n+1 give n and a
    // quote; backslashes before anything else stay; "" inside quotes is one quote.
    {u"v.exe a\\\\\"b c\" d\\\"e f\\g \"h\"\"i\"", {u"a\\b c", u"d\"e", u"f\\g", u"h\"i"}, false, false, u"", u""},
    {u"v.exe \"a b\"c  \"\" x\\\\", {u"a bc", u"", u"x\\\\"}, false, false, u"", u""},
    {u"\"C:\\a b\\v.exe\"/quiet", {u"/quiet"}, true, false, u"", u""},
    {u"v.exe /log -UnInstall /quiet", {u"/log", u"-UnInstall", u"/quiet"}, true, false, u"", u"/log", true},
    {u"v.exe /uninstal /un-install", {u"/uninstal", u"/un-install"}, false, false, u"", u"/uninstal"},
};

TEST(CommandLineTest, SplitsByWindowsRulesAndReadsTheSwitches) {
    for (const Case& c : CASES) {
        SCOPED_TRACE(std::string(c.line.begin(), c.line.end()));
        const std::vector<std::u16string> split = SplitCommandLine(c.line);
        ASSERT_FALSE(split.empty());
        EXPECT_EQ(std::vector<std::u16string>(split.begin() + 1, split.end()), c.arguments);
        const CommandLine parsed = ParseCommandLine(c.line);
        EXPECT_EQ(parsed.quiet, c.quiet);
        EXPECT_EQ(parsed.help, c.help);
        EXPECT_EQ(parsed.logPath.value_or(u""), c.log);
        EXPECT_EQ(parsed.badSwitch.value_or(u""), c.bad);
        EXPECT_EQ(parsed.uninstall, c.uninstall);
    }
}

}  // namespace
}  // namespace velkaris

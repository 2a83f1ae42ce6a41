// Every platform call of a full run fails in turn, and every allocation runs out in
// turn: the run must end in Done with everything installed, or in the failure
// report, and the user's label file must hold either its old bytes or the new ones.
// The user's name has a letter outside most ANSI code pages: every path goes to
// Windows and back in UTF-16.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "catalogue/pack.h"
#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "installer/failure_report.h"
#include "installer/program_entry.h"
#include "installer/messages.h"
#include "platform/win_values.h"
#include "program_test_support.h"

namespace {

// Armed, the nth allocation from now fails once; disarmed, allocation is as usual.
long allocationsUntilFailure = -1;

}  // namespace

void* operator new(std::size_t size) {
    if (allocationsUntilFailure > 0 && velkaris::fake::platformCallDepth == 0 &&
        --allocationsUntilFailure == 0) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace velkaris {
namespace {

using program_testing::CustomLabelsKey;
using program_testing::WordKey;

const char* const VERSIONS[] = {"8.0", "9.0", "10.0", "11.0", "12.0"};
const std::string APP_DATA = "C:\\Users\\Michał\\AppData\\Roaming";
const std::string LABEL_FILE = APP_DATA + "\\Microsoft\\Office\\pg_custom.xml";
const std::string OLD_FILE =
    "<?xml version=\"1.0\"?><vps><vendorProductSets><vendorProductSet vendorID=\"0\" "
    "vendor=\"Custom\" copyright=\"\" version=\"1\" schemaVersion=\"1\">\r\n"
    "\t<product units=\"emu\" productID=\"1\" layoutGroup=\"all\">\r\n"
    "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Moje</locName></prodName>\r\n"
    "\t</product>\r\n"
    "</vendorProductSet></vendorProductSets></vps>\r\n";

struct Outcome {
    int exitCode = 0;
    bool done = false;
    std::string reportText;
    std::string labelFile;
    bool temporaryLeft = false;  // a new file of the run's own beside the label file
    bool scratchLeft = false;
    std::size_t openFilesAfter = 0;
    std::size_t openKeysAfter = 0;
    std::size_t openFilesAtExit = 0;
    std::size_t openKeysAtExit = 0;
    std::vector<std::size_t> labelCounts;  // values under Custom Labels, per legacy version
    std::vector<std::string> misuse;
    std::vector<std::string> calls;
    std::uint32_t sleptMs = 0;  // asked of the fake, which does not wait
    std::string log;
};

const std::string LOG = "C:\\Users\\anna\\velkaris.log";

// A new file an earlier run left behind, which the run must take away.
const std::string LEFTOVER = "left by an earlier run";
bool withLeftover = false;

// arguments: what follows the program's name on its command line.
void Prepare(fake::FakePlatform& fake, const std::u16string& arguments) {
    fake.commandLine += arguments;
    fake.files.AddFolder("C:\\Users\\anna");
    for (const char* v : VERSIONS) fake.AddKey(WordKey(v));
    fake.appDataFolder = APP_DATA;
    fake.files.WriteFileBytes(LABEL_FILE, OLD_FILE);
    if (withLeftover) fake.files.WriteFileBytes(LABEL_FILE + ".new", LEFTOVER);
    fake.answers = {win::IDYES};
}

Outcome Observe(fake::FakePlatform& fake, int exitCode) {
    Outcome o;
    o.exitCode = exitCode;
    for (const fake::ShownBox& box : fake.boxes) {
        if (box.text == DONE_TEXT) o.done = true;
        if (box.caption == u"Application Error") o.reportText = *fake::Utf8Of(box.text);
    }
    o.labelFile = fake.files.ReadFileBytes(LABEL_FILE);
    o.temporaryLeft = fake.files.Exists(LABEL_FILE + ".new") &&
                      fake.files.ReadFileBytes(LABEL_FILE + ".new") != LEFTOVER;
    o.scratchLeft = fake.files.Exists(LABEL_FILE + ".new~");
    o.openFilesAfter = fake.files.OpenFileCount();
    o.openKeysAfter = fake.OpenKeyCount();
    o.openFilesAtExit = fake.openFilesAtExit;
    o.openKeysAtExit = fake.openKeysAtExit;
    for (int i = 0; i < 4; ++i) {
        const fake::RegKey* key = fake.FindKey(CustomLabelsKey(VERSIONS[i]));
        o.labelCounts.push_back(key == nullptr ? 0 : key->values.size());
    }
    o.misuse = fake.misuse;
    o.calls = fake.Calls();
    for (std::uint32_t ms : fake.sleeps) o.sleptMs += ms;
    if (fake.files.Exists(LOG)) o.log = fake.files.ReadFileBytes(LOG);
    return o;
}

Outcome RunWith(const std::vector<fake::Fault>& faults, const std::u16string& arguments = u"") {
    fake::FakePlatform fake;
    Prepare(fake, arguments);
    for (const fake::Fault& f : faults) fake.AddFault(f);
    const int exitCode = RunProgram(fake);
    return Observe(fake, exitCode);
}

Outcome RunOutOfMemoryAt(long allocation, const std::u16string& arguments) {
    fake::FakePlatform fake;
    Prepare(fake, arguments);
    allocationsUntilFailure = allocation;
    const int exitCode = RunProgram(fake);
    const bool fired = allocationsUntilFailure == 0;
    allocationsUntilFailure = -1;
    Outcome o = Observe(fake, exitCode);
    if (!fired) o.exitCode = -1;  // past the last allocation of the run
    return o;
}

bool IsKnownKind(const std::string& report) {
    for (const char* kind : {"ERegistryException", "EFCreateError", "EFOpenError", "EWriteError",
                             "EOutOfMemory", "EOSError"}) {
        if (report.rfind(std::string("Exception ") + kind + " in module ", 0) == 0) return true;
    }
    return false;
}

// The rules every run must keep, whatever failed.
void ExpectSound(const Outcome& o, const Outcome& clean, const std::string& what,
                 std::uint32_t maxSleptMs = 2500) {
    SCOPED_TRACE(what);
    EXPECT_TRUE(o.labelFile == OLD_FILE || o.labelFile == clean.labelFile)
        << "label file is neither its old nor its new content";
    EXPECT_FALSE(o.temporaryLeft);
    EXPECT_FALSE(o.scratchLeft);
    EXPECT_TRUE(o.misuse.empty()) << o.misuse.front();
    // A held replace and then a held delete wait a second each, at most.
    EXPECT_LE(o.sleptMs, maxSleptMs);
    // The log's last exit code is the run's, when the log could write it.
    const std::size_t exit = o.log.rfind("Exit code ");
    if (exit != std::string::npos) {
        EXPECT_EQ(o.log.substr(exit), "Exit code " + std::to_string(o.exitCode) + "\r\n");
    }
    if (o.exitCode == 1) {
        EXPECT_FALSE(o.done);
        EXPECT_TRUE(IsKnownKind(o.reportText)) << o.reportText;
        // A report that names a file names the user's own, letter for letter, one of
        // the files the run makes beside it, or the log.
        if (o.reportText.find(" file \"C:") != std::string::npos) {
            bool named = o.reportText.find(" file \"" + LOG + "\".") != std::string::npos;
            for (const char* beside : {"", ".new", ".new~", ".lock"}) {
                const std::string file = " file \"" + LABEL_FILE + beside + "\".";
                named |= o.reportText.find(file) != std::string::npos;
            }
            EXPECT_TRUE(named) << o.reportText;
        }
        EXPECT_EQ(o.openFilesAtExit, 0u);  // files are closed on the way out
        EXPECT_LE(o.openKeysAtExit, 1u);   // the navigator is left to the process end
        // A log that failed stopped nothing: every destination was written.
        if (o.reportText.find("EWriteError") != std::string::npos &&
            o.reportText.find(" file \"" + LOG + "\".") != std::string::npos) {
            EXPECT_EQ(o.labelFile, clean.labelFile);
            for (std::size_t count : o.labelCounts) EXPECT_EQ(count, 17u);
        }
    } else {
        EXPECT_EQ(o.exitCode, 0);
        EXPECT_TRUE(o.reportText.empty());
        EXPECT_EQ(o.openFilesAfter, 0u);
        EXPECT_EQ(o.openKeysAfter, 0u);
        // A version is installed whole or, when its key could not be seen, not at all.
        for (std::size_t count : o.labelCounts) {
            EXPECT_TRUE(count == 0 || count == static_cast<std::size_t>(LABEL_COUNT)) << count;
        }
        if (!o.done && o.labelFile != OLD_FILE) {
            // Only the closing notice failed: everything was installed.
            EXPECT_EQ(o.labelFile == clean.labelFile, true);
            for (std::size_t count : o.labelCounts) EXPECT_EQ(count, 17u);
        }
    }
}

// Each case runs once as it is and once with a leftover new file to take away.
class FaultMatrixTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        withLeftover = GetParam();
        clean = RunWith({});
        ASSERT_EQ(clean.exitCode, 0);
        ASSERT_TRUE(clean.done);
        ASSERT_NE(clean.labelFile, OLD_FILE);
        for (std::size_t count : clean.labelCounts) ASSERT_EQ(count, 17u);
    }
    Outcome clean;
};

// Without switches, and with a log, whose calls fail in turn too.
const std::u16string ARGUMENTS[] = {u"", u" /log C:\\Users\\anna\\velkaris.log"};

TEST_P(FaultMatrixTest, EachPlatformCallFailingInTurnEndsSoundly) {
    for (const std::u16string& arguments : ARGUMENTS) {
        const Outcome cleanRun = RunWith({}, arguments);
        ASSERT_EQ(cleanRun.exitCode, 0);
        int failures = 0;
        for (std::size_t i = 1; i <= cleanRun.calls.size(); ++i) {
            for (std::uint32_t error : {win::ERROR_ACCESS_DENIED, fake::windows::ERROR_DISK_FULL}) {
                const Outcome o = RunWith({fake::Fault{"", static_cast<int>(i), error, false}}, arguments);
                ExpectSound(o, cleanRun, "call " + std::to_string(i) + " " + cleanRun.calls[i - 1]);
                failures += o.exitCode == 1;
            }
        }
        EXPECT_GT(failures, 0);
    }
}

TEST_P(FaultMatrixTest, EachFileCallHeldThroughEveryAttemptEndsSoundly) {
    // Another process holding the file through all the waits: the retried calls
    // give the report, the others are not retried and fail at once as before. The
    // first create is the lock's, held by another copy: its waits are 30 s long.
    for (const std::string call : {"CreateFileW", "MoveFileExW"}) {
        int count = 0;
        for (const std::string& made : clean.calls) count += made == call;
        for (int n = 1; n <= count; ++n) {
            std::vector<fake::Fault> held;
            for (int attempt = n; attempt < n + 200; ++attempt) {
                held.push_back(fake::Fault{call, attempt, win::ERROR_SHARING_VIOLATION, false});
            }
            const Outcome o = RunWith(held);
            const bool lock = call == "CreateFileW" && n == 1;
            ExpectSound(o, clean, "held " + call + " " + std::to_string(n), lock ? 31000 : 2500);
            EXPECT_EQ(o.exitCode, 1);
            EXPECT_EQ(o.labelFile == OLD_FILE, true);
            EXPECT_GE(o.sleptMs, 800u);
        }
    }
}

TEST_P(FaultMatrixTest, EachReadOrWriteStoppingShortEndsInTheReportWithTheOldFileKept) {
    for (const std::string call : {"ReadFile", "WriteFile"}) {
        int count = 0;
        for (const std::string& made : clean.calls) count += made == call;
        ASSERT_GT(count, 0) << call;
        for (int n = 1; n <= count; ++n) {
            const Outcome o = RunWith({fake::Fault{call, n, fake::windows::ERROR_DISK_FULL, true}});
            ExpectSound(o, clean, "short " + call + " " + std::to_string(n));
            EXPECT_EQ(o.exitCode, 1);
            EXPECT_NE(o.reportText.find(call == "ReadFile" ? "EFOpenError" : "EWriteError"),
                      std::string::npos);
            EXPECT_EQ(o.labelFile == OLD_FILE, true);
        }
    }
}

TEST_P(FaultMatrixTest, MemoryRunningOutAtEachAllocationEndsInTheReportNeverACrash) {
    for (const std::u16string& arguments : ARGUMENTS) {
        int reports = 0;
        for (long n = 1;; ++n) {
            const Outcome o = RunOutOfMemoryAt(n, arguments);
            if (o.exitCode == -1) break;  // every allocation of the run has been tried
            ExpectSound(o, clean, "allocation " + std::to_string(n));
            if (o.exitCode == 1) {
                ++reports;
                EXPECT_NE(o.reportText.find("Exception EOutOfMemory in module "), std::string::npos)
                    << o.reportText;
            }
            if (::testing::Test::HasFailure()) break;
        }
        EXPECT_GT(reports, 0);
    }
}

// /uninstall over what the clean install left: the label file keeps the installed
// bytes or holds the removal's whole result, a failure is reported, and a run that
// ends normally leaves each version's values all there (its key not seen) or none.
TEST_P(FaultMatrixTest, UninstallWithEachPlatformCallFailingInTurnEndsSoundly) {
    const auto run = [&](const std::vector<fake::Fault>& faults) {
        fake::FakePlatform fake;
        Prepare(fake, u" /uninstall /log C:\\Users\\anna\\velkaris.log");
        fake.files.WriteFileBytes(LABEL_FILE, clean.labelFile);
        for (int i = 0; i < 4; ++i) {
            fake::RegKey& key = fake.AddKey(CustomLabelsKey(VERSIONS[i]));
            for (int n = 0; n < LABEL_COUNT; ++n) {
                key.values[std::string(PACK[n].name)] = {
                    win::REG_BINARY,
                    RecordBytes(PACK[n], i < 2 ? RecordSet::Word80 : RecordSet::Word100)};
            }
        }
        for (const fake::Fault& f : faults) fake.AddFault(f);
        const int exitCode = RunProgram(fake);
        return Observe(fake, exitCode);
    };
    const Outcome removed = run({});
    ASSERT_EQ(removed.exitCode, 0);
    for (std::size_t count : removed.labelCounts) ASSERT_EQ(count, 0u);
    for (std::size_t i = 1; i <= removed.calls.size(); ++i) {
        const Outcome o = run({fake::Fault{"", static_cast<int>(i), win::ERROR_ACCESS_DENIED, false}});
        SCOPED_TRACE("call " + std::to_string(i) + " " + removed.calls[i - 1]);
        EXPECT_TRUE(o.labelFile == clean.labelFile || o.labelFile == removed.labelFile);
        EXPECT_FALSE(o.temporaryLeft);
        EXPECT_FALSE(o.scratchLeft);
        EXPECT_TRUE(o.misuse.empty()) << o.misuse.front();
        if (o.exitCode == 1) {
            EXPECT_TRUE(IsKnownKind(o.reportText)) << o.reportText;
        } else {
            EXPECT_EQ(o.exitCode, 0);
            for (std::size_t count : o.labelCounts) EXPECT_TRUE(count == 0 || count == 17u) << count;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LeftoverOrNot, FaultMatrixTest, ::testing::Bool());

}  // namespace
}  // namespace velkaris

// Copies of the install at once on one label file: two fake platforms on one disk
// stand for two programs, on one computer or on two sharing the folder.
#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "catalogue/pack.h"
#include "fake/fake_platform.h"
#include "label_file/label_file_install.h"
#include "platform/win_values.h"
#include "services/file_lock.h"
#include "text/errors.h"
#include "unit/label_file_test_support.h"
#include "xml/xml_parser.h"

namespace velkaris {
namespace {

using namespace label_file_testing;

const std::string LABEL_FILE = LABEL_FILE_PATH;
const std::string OFFICE_FOLDER = std::string(APP_DATA_FOLDER) + "\\Microsoft\\Office";

// Whose turn it is to make platform calls: one copy at a time, so the disk needs no
// lock of its own and each interleaving is exactly the one a row names.
class Turns {
public:
    void Wait(int me) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return turn_ == me; });
    }
    // Hands over to the other copy, unless it has ended, and waits for the turn back.
    void Give(int me) {
        if (Set(1 - me, false)) Wait(me);
    }
    void End(int me) { Set(1 - me, true); }

private:
    bool Set(int next, bool ending) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (ended_[next]) return false;
        ended_[1 - next] = ending;
        turn_ = next;
        changed_.notify_all();
        return true;
    }
    std::mutex mutex_;
    std::condition_variable changed_;
    int turn_ = 0;
    bool ended_[2] = {false, false};
};

std::string Install(fake::FakePlatform& platform) {
    try {
        InstallLabelFile(platform, APP_DATA_FOLDER);
    } catch (const Exception& error) {
        return error.Message();
    }
    return "";
}

std::uint32_t Waited(const fake::FakePlatform& platform) {
    std::uint32_t total = 0;
    for (std::uint32_t ms : platform.sleeps) total += ms;
    return total;
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// Word can read it, every product of the user's is there and the pack's once.
void ExpectComplete(const std::string& file) {
    EXPECT_EQ(xml::ParseError(file), "");
    for (int id = 1; id <= 5; ++id) {
        EXPECT_EQ(Occurrences(file, ">Moje etykiety " + std::to_string(id) + "<"), 1) << id;
    }
    for (const PackLabel& label : PACK) {
        EXPECT_EQ(Occurrences(file, ">" + std::string(label.name) + "<"), 1) << label.name;
    }
}

// Copy A runs up to the named call, copy B then runs until it ends or waits for the
// lock, A goes on to its end, and then B to its own.
struct Interleaving {
    const char* step;
    const char* call;
    int occurrence;
    bool leftover;  // a new file left by a killed run
};
const Interleaving INTERLEAVINGS[] = {
    {"taking the lock", "CreateFileW", 1, false},
    {"holding the file read", "CreateFileW", 2, false},
    {"the read", "ReadFile", 1, false},
    {"writing the new file", "WriteFile", 1, false},
    {"checking the file before the rename", "GetFileInformationByHandle", 2, false},
    {"the rename", "MoveFileExW", 1, false},
    {"letting the lock go", "CloseHandle", 4, false},
    {"finding the leftover", "CreateFileW", 4, true},
    {"making the scratch file", "CreateFileW", 5, true},
    {"renaming the scratch file over the leftover", "MoveFileExW", 1, true},
    {"deleting it", "DeleteFileW", 1, true},
    {"making the new file", "CreateFileW", 6, true},
    {"the rename after the clean-up", "MoveFileExW", 2, true},
};

TEST(CopiesAtOnce, EveryInterleavingOfTwoCopiesEndsWithTheFileComplete) {
    for (const Interleaving& row : INTERLEAVINGS) {
        SCOPED_TRACE(std::string("copy B starts at copy A's ") + row.step);
        const auto disk = std::make_shared<fake::FakeFileSystem>();
        disk->WriteFileBytes(LABEL_FILE, WordFile(OwnProducts(5)));
        if (row.leftover) disk->WriteFileBytes(LABEL_FILE + ".new", "left by a killed run");
        fake::FakePlatform a(disk), b(disk);
        Turns turns;
        bool handed = false;
        a.onCall = [&](const std::string& call) {
            if (!handed && call == row.call && a.CallCount(call) + 1 == row.occurrence) {
                handed = true;
                turns.Give(0);
            }
        };
        b.onSleep = [&] { turns.Give(1); };
        std::string errorB;
        std::thread copyB([&] {
            turns.Wait(1);
            errorB = Install(b);
            turns.End(1);
        });
        const std::string errorA = Install(a);
        turns.End(0);
        copyB.join();

        EXPECT_TRUE(handed);
        EXPECT_EQ(errorA, "");
        EXPECT_EQ(errorB, "");
        ExpectComplete(disk->ReadFileBytes(LABEL_FILE));
        EXPECT_EQ(disk->ListFolder(OFFICE_FOLDER), std::vector<std::string>{"pg_custom.xml"});
        EXPECT_EQ(disk->OpenFileCount(), 0u);
    }
}

TEST(CopiesAtOnce, ASecondCopyWaitsForTheLockAboutThirtySecondsThenNamesIt) {
    const auto disk = std::make_shared<fake::FakeFileSystem>();
    disk->WriteFileBytes(LABEL_FILE, WordFile(OwnProducts(5)));
    fake::FakePlatform first(disk), second(disk);
    {
        const FileLock held(first, LABEL_FILE);
        EXPECT_EQ(Install(second), "Cannot create file \"" + LABEL_FILE +
                                       ".lock\". Another copy of this program is adding labels "
                                       "to the same label file and has not finished within 30 "
                                       "seconds");
        EXPECT_GE(Waited(second), 29000u);
        EXPECT_LE(Waited(second), 31000u);
        EXPECT_EQ(disk->ReadFileBytes(LABEL_FILE), WordFile(OwnProducts(5)));
    }
    // A copy that dies holding the lock lets it go with its handles: the waiting one goes on.
    const FileLock dying(first, LABEL_FILE);
    second.sleeps.clear();
    second.onSleep = [&] {
        if (second.sleeps.size() == 20) disk->CloseAllOf(&first);
    };
    EXPECT_EQ(Install(second), "");
    ExpectComplete(disk->ReadFileBytes(LABEL_FILE));
    EXPECT_EQ(disk->ListFolder(OFFICE_FOLDER), std::vector<std::string>{"pg_custom.xml"});
}

TEST(CopiesAtOnce, ALockRefusedForAccessIsReportedAfterTheBriefWaitsOnly) {
    // A folder the user may not write: no copy is at work there, and 30 s would be lost.
    fake::FakePlatform platform;
    platform.files.WriteFileBytes(LABEL_FILE, WordFile(OwnProducts(5)));
    for (int n = 1; n <= 200; ++n) platform.FailCall("CreateFileW", n, win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(Install(platform), "Cannot create file \"" + LABEL_FILE + ".lock\". Access is denied");
    EXPECT_LE(Waited(platform), 1200u);
}

}  // namespace
}  // namespace velkaris

#include "support/line_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "platform/win_values.h"
#include "support/exception.h"

namespace velkaris {
namespace {

using namespace std::string_literals;

LineList ListOf(const std::vector<std::string>& items) {
    LineList list;
    for (const std::string& item : items) list.AddItem(item);
    return list;
}

std::vector<std::string> ItemsOf(const LineList& list) {
    std::vector<std::string> items;
    for (std::int32_t i = 0; i < list.ItemCount(); ++i) items.push_back(list.Item(i));
    return items;
}

std::vector<std::string> Split(const std::string& text) {
    LineList list;
    list.SetWholeText(text);
    return ItemsOf(list);
}

using Items = std::vector<std::string>;

// --- adding and storage --------------------------------------------------------

TEST(LineListAddItem, ReturnsTheIndexAndNeverSplitsTheItem) {
    LineList list;
    EXPECT_EQ(list.AddItem("a\r\nb"), 0);
    EXPECT_EQ(list.AddItem("a"), 1);
    EXPECT_EQ(list.AddItem("a"), 2);
    EXPECT_EQ(ItemsOf(list), (Items{"a\r\nb", "a", "a"}));
}

TEST(LineListCapacity, GrowsBy4ThenBy16ThenByAQuarter) {
    LineList list;
    EXPECT_EQ(list.Capacity(), 0);
    std::vector<std::int32_t> grownTo;
    for (int i = 0; i < 100; ++i) {
        const std::int32_t before = list.Capacity();
        list.AddItem("x");
        if (list.Capacity() != before) grownTo.push_back(list.Capacity());
    }
    EXPECT_EQ(grownTo, (std::vector<std::int32_t>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
}

TEST(LineListCapacity, EmptyingReleasesTheStorage) {
    LineList list = ListOf({"a", "b", "c", "d", "e"});
    list.SetWholeText("");
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(LineListCapacity, RefillingStartsGrowingAgainFromNothing) {
    LineList list = ListOf(Items(20, "x"));
    list.SetWholeText("a\r\nb\r\n");
    EXPECT_EQ(list.Capacity(), 4);
}

// --- join ------------------------------------------------------------------------

TEST(LineListWholeText, EmptyListGivesEmptyText) { EXPECT_EQ(LineList().WholeText(), ""); }

TEST(LineListWholeText, EndsEveryItemWithCrLf) {
    EXPECT_EQ(ListOf({"a", "", "b"}).WholeText(), "a\r\n\r\nb\r\n");
}

TEST(LineListWholeText, CopiesBreaksAndNulInsideItemsUnchanged) {
    EXPECT_EQ(ListOf({"x\r\0y\n"s}).WholeText(), "x\r\0y\n\r\n"s);
}

// --- split -----------------------------------------------------------------------

TEST(LineListSetWholeText, BreaksAtCrLfCrOrLf) {
    EXPECT_EQ(Split("a\r\nb"), (Items{"a", "b"}));
    EXPECT_EQ(Split("a\r\n"), (Items{"a"}));
    EXPECT_EQ(Split("a\n\rb"), (Items{"a", "", "b"}));
    EXPECT_EQ(Split("a\r\rb"), (Items{"a", "", "b"}));
    EXPECT_EQ(Split("a\n\nb"), (Items{"a", "", "b"}));
    EXPECT_EQ(Split("\r\n"), (Items{""}));
    EXPECT_EQ(Split(""), (Items{}));
}

TEST(LineListSetWholeText, StopsAtTheFirstNul) {
    EXPECT_EQ(Split("a\0b\r\nc"s), (Items{"a"}));
    EXPECT_EQ(Split("\0abc"s), (Items{}));
    EXPECT_EQ(Split("a\r\n\0"s), (Items{"a"}));
}

TEST(LineListSetWholeText, ReplacesTheItems) {
    LineList list = ListOf({"old", "items"});
    list.SetWholeText("new");
    EXPECT_EQ(ItemsOf(list), (Items{"new"}));
}

TEST(LineListSetWholeText, AcceptsTheListsOwnText) {
    LineList list = ListOf({"a\nb", "c"});
    list.SetWholeText(list.WholeText());
    EXPECT_EQ(ItemsOf(list), (Items{"a", "b", "c"}));
    list.SetWholeText(list.Item(1));
    EXPECT_EQ(ItemsOf(list), (Items{"b"}));
}

TEST(LineListRoundTrip, ItemEndingWithCrLfGivesAnEmptyLineAfterIt) {
    EXPECT_EQ(Split(ListOf({"a\r\n", "b"}).WholeText()), (Items{"a", "", "b"}));
}

TEST(LineListRoundTrip, TurnsLoneBreaksIntoCrLfAndAddsAFinalOne) {
    LineList list;
    list.SetWholeText("a\rb\nc");
    EXPECT_EQ(list.WholeText(), "a\r\nb\r\nc\r\n");
}

// --- saving --------------------------------------------------------------------

const std::string kFolder = "C:\\Users\\anna\\AppData\\Roaming\\Microsoft\\Office";
const std::string kPath = kFolder + "\\pg_custom.xml";

class LineListWriteToFile : public ::testing::Test {
protected:
    void SetUp() override { fake.files.AddFolder(kFolder); }

    // Runs the save expecting an error of type E and returns its message.
    template <typename E>
    std::string FailingSave(const LineList& list, const std::string& path = kPath) {
        try {
            list.WriteToFile(fake, path);
        } catch (const E& error) {
            return error.Message();
        }
        ADD_FAILURE() << "the save did not raise the expected error";
        return {};
    }

    void ExpectOldFileKeptAndNothingLeft() {
        EXPECT_EQ(fake.files.ReadFileBytes(kPath), "old bytes");
        EXPECT_EQ(fake.files.ListFolder(kFolder), (std::vector<std::string>{"pg_custom.xml"}));
        EXPECT_EQ(fake.files.OpenFileCount(), 0u);
        EXPECT_TRUE(fake.misuse.empty());
    }

    fake::FakePlatform fake;
};

TEST_F(LineListWriteToFile, WritesExactlyTheWholeText) {
    ListOf({"<a>", "", "\tb"}).WriteToFile(fake, kPath);
    EXPECT_EQ(fake.files.ReadFileBytes(kPath), "<a>\r\n\r\n\tb\r\n");
    EXPECT_EQ(fake.files.ListFolder(kFolder), (std::vector<std::string>{"pg_custom.xml"}));
    EXPECT_EQ(fake.files.OpenFileCount(), 0u);
}

TEST_F(LineListWriteToFile, EmptyListCreatesAnEmptyFile) {
    LineList().WriteToFile(fake, kPath);
    EXPECT_EQ(fake.files.ReadFileBytes(kPath), "");
}

TEST_F(LineListWriteToFile, EmptyListEmptiesAnExistingFile) {
    fake.files.WriteFileBytes(kPath, "old bytes");
    LineList().WriteToFile(fake, kPath);
    EXPECT_EQ(fake.files.ReadFileBytes(kPath), "");
}

TEST_F(LineListWriteToFile, ReplacesAnExistingFileWithNothingLeftBeside) {
    fake.files.WriteFileBytes(kPath, "a much longer old content than the new one");
    ListOf({"new"}).WriteToFile(fake, kPath);
    EXPECT_EQ(fake.files.ReadFileBytes(kPath), "new\r\n");
    EXPECT_EQ(fake.files.ListFolder(kFolder), (std::vector<std::string>{"pg_custom.xml"}));
}

TEST_F(LineListWriteToFile, MissingFolderRaisesEFCreateErrorWithTheAbsolutePath) {
    const std::string path = "C:\\Users\\anna\\AppData\\Roaming\\Nowhere\\pg_custom.xml";
    EXPECT_EQ(FailingSave<EFCreateError>(ListOf({"x"}), path),
              "Cannot create file \"" + path +
                  "\". The system cannot find the path specified");
    EXPECT_FALSE(fake.files.Exists(path + ".new"));
}

TEST_F(LineListWriteToFile, RelativePathIsShownMadeAbsolute) {
    EXPECT_EQ(FailingSave<EFCreateError>(ListOf({"x"}), "Missing\\pg_custom.xml"),
              "Cannot create file \"C:\\Users\\anna\\Missing\\pg_custom.xml\". "
              "The system cannot find the path specified");
}

TEST_F(LineListWriteToFile, FileHeldOpenElsewhereRaisesEFCreateErrorAndStaysIntact) {
    fake.files.WriteFileBytes(kPath, "old bytes");
    fake.files.HoldOpen(kPath);
    EXPECT_EQ(FailingSave<EFCreateError>(ListOf({"new"})),
              "Cannot create file \"" + kPath + "\". Access is denied");
    fake.files.Release(kPath);
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(LineListWriteToFile, ReadOnlyFileRaisesEFCreateErrorAndStaysIntact) {
    fake.files.WriteFileBytes(kPath, "old bytes");
    fake.files.SetReadOnly(kPath);
    EXPECT_EQ(FailingSave<EFCreateError>(ListOf({"new"})),
              "Cannot create file \"" + kPath + "\". Access is denied");
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(LineListWriteToFile, QuotesTheErrorOfTheFailedCallNotOfLaterOnes) {
    fake.FailCall("CreateFileA", 1, win::ERROR_DISK_FULL);
    fake.FailCall("GetFullPathNameA", 1, win::ERROR_INVALID_PARAMETER);
    EXPECT_EQ(FailingSave<EFCreateError>(ListOf({"x"})),
              "Cannot create file \"" + kPath + "\". There is not enough space on the disk");
}

TEST_F(LineListWriteToFile, FailedWriteRaisesEWriteErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(kPath, "old bytes");
    fake.FailCall("WriteFile", 1, win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(FailingSave<EWriteError>(ListOf({"new"})), "Stream write error");
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(LineListWriteToFile, ShortWriteRaisesEWriteErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(kPath, "old bytes");
    fake.AddFault(fake::Fault{"WriteFile", 1, 0, true});
    EXPECT_EQ(FailingSave<EWriteError>(ListOf({"new content"})), "Stream write error");
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(LineListWriteToFile, FullDiskRaisesEWriteErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(kPath, "old bytes");
    fake.files.diskCapacity = 12;
    EXPECT_EQ(FailingSave<EWriteError>(ListOf({"new content"})), "Stream write error");
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(LineListWriteToFile, FailedFlushRaisesEWriteErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(kPath, "old bytes");
    fake.FailCall("FlushFileBuffers", 1, win::ERROR_DISK_FULL);
    EXPECT_EQ(FailingSave<EWriteError>(ListOf({"new"})), "Stream write error");
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(LineListWriteToFile, FailedCloseRaisesEWriteErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(kPath, "old bytes");
    fake.FailCall("CloseHandle", 1, win::ERROR_DISK_FULL);
    EXPECT_EQ(FailingSave<EWriteError>(ListOf({"new"})), "Stream write error");
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(LineListWriteToFile, FailedReplaceRaisesEFCreateErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(kPath, "old bytes");
    fake.FailCall("MoveFileExA", 1, win::ERROR_DISK_FULL);
    EXPECT_EQ(FailingSave<EFCreateError>(ListOf({"new"})),
              "Cannot create file \"" + kPath + "\". There is not enough space on the disk");
    ExpectOldFileKeptAndNothingLeft();
}

}  // namespace
}  // namespace velkaris

// The fake's own Windows behaviour, on which the file tests rely.
#include "fake/fake_file_system.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "platform/win_values.h"

namespace velkaris::fake {
namespace {

constexpr std::uint32_t READ_WRITE = win::GENERIC_READ | win::GENERIC_WRITE;

class FakeFiles : public ::testing::Test {
protected:
    FileHandle Create(const std::u16string& path) {
        return fake.CreateFileW(path, READ_WRITE, 0, win::CREATE_ALWAYS,
                                win::FILE_ATTRIBUTE_NORMAL);
    }
    FakePlatform fake;
};

TEST_F(FakeFiles, NamesIgnoreLetterCaseAndKeepTheirFirstCase) {
    fake.files.WriteFileBytes("C:\\Data\\Notes.TXT", "x");
    EXPECT_EQ(fake.files.ReadFileBytes("c:\\data\\notes.txt"), "x");
    EXPECT_EQ(fake.files.ListFolder("C:\\DATA"), (std::vector<std::string>{"Notes.TXT"}));
}

TEST_F(FakeFiles, GetFullPathNameJoinsTheCurrentDirectory) {
    std::array<char16_t, 260> buffer{};
    const std::uint32_t length = fake.GetFullPathNameW(u"x\\ł.xml", 260, buffer.data());
    EXPECT_EQ(std::u16string(buffer.data(), length), u"C:\\Users\\anna\\x\\ł.xml");
    EXPECT_EQ(fake.GetFullPathNameW(u"a.xml", 4, buffer.data()), 20u);  // the size it needs
}

TEST_F(FakeFiles, CreateReportsMissingFolderAndOpenMissingFile) {
    EXPECT_EQ(Create(u"C:\\Nowhere\\a.xml"), win::INVALID_HANDLE_VALUE);
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(fake.CreateFileW(u"C:\\a.xml", win::GENERIC_READ, 0, win::OPEN_EXISTING, 0),
              win::INVALID_HANDLE_VALUE);
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_FILE_NOT_FOUND);
}

TEST_F(FakeFiles, CreateAlwaysTruncatesAndReportsTheExistingFile) {
    fake.files.WriteFileBytes("C:\\a.xml", "old");
    const FileHandle file = Create(u"C:\\a.xml");
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_ALREADY_EXISTS);
    EXPECT_EQ(fake.files.ReadFileBytes("C:\\a.xml"), "");
    fake.CloseHandle(file);
}

TEST_F(FakeFiles, NoSharingRefusesASecondOpener) {
    fake.files.WriteFileBytes("C:\\a.xml", "x");
    const FileHandle file = Create(u"C:\\a.xml");
    EXPECT_EQ(Create(u"C:\\A.XML"), win::INVALID_HANDLE_VALUE);
    EXPECT_EQ(fake.GetLastError(), win::ERROR_SHARING_VIOLATION);
    EXPECT_FALSE(fake.DeleteFileW(u"C:\\a.xml"));
    fake.CloseHandle(file);
    EXPECT_TRUE(fake.DeleteFileW(u"C:\\a.xml"));
}

TEST_F(FakeFiles, ClosingTwiceIsMisuse) {
    const FileHandle file = Create(u"C:\\a.xml");
    EXPECT_TRUE(fake.CloseHandle(file));
    EXPECT_FALSE(fake.CloseHandle(file));
    EXPECT_EQ(fake.misuse.size(), 1u);
    EXPECT_EQ(fake.files.OpenFileCount(), 0u);
}

TEST_F(FakeFiles, FullDiskWritesWhatFits) {
    fake.files.diskCapacity = 4;
    const FileHandle file = Create(u"C:\\a.xml");
    std::uint32_t written = 0;
    EXPECT_FALSE(fake.WriteFile(file, "abcdef", 6, written));
    EXPECT_EQ(written, 4u);
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_DISK_FULL);
    fake.CloseHandle(file);
    EXPECT_EQ(fake.files.ReadFileBytes("C:\\a.xml"), "abcd");
}

TEST_F(FakeFiles, MoveReplacesOnlyWhenAsked) {
    fake.files.WriteFileBytes("C:\\new", "new");
    fake.files.WriteFileBytes("C:\\old", "old");
    EXPECT_FALSE(fake.MoveFileExW(u"C:\\new", u"C:\\old", 0));
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(fake.MoveFileExW(u"C:\\new", u"C:\\old", win::MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(fake.files.ReadFileBytes("C:\\old"), "new");
    EXPECT_FALSE(fake.files.Exists("C:\\new"));
}

TEST_F(FakeFiles, CreateDirectoryReportsPresentFolderAndMissingParent) {
    EXPECT_TRUE(fake.CreateDirectoryW(u"C:\\Users\\anna\\Documents"));
    EXPECT_FALSE(fake.CreateDirectoryW(u"C:\\Users\\anna\\documents"));
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(fake.CreateDirectoryW(u"C:\\Users\\anna\\Nowhere\\Office"));
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_PATH_NOT_FOUND);
}

TEST_F(FakeFiles, SystemTextsEndWithCrLf) {
    std::array<char16_t, 256> buffer{};
    const std::uint32_t length =
        fake.FormatMessageW(win::FORMAT_MESSAGE_SYSTEM_TEXT, 5, 0, buffer.data(), 256);
    EXPECT_EQ(std::u16string(buffer.data(), length), u"Access is denied.\r\n");
}

TEST_F(FakeFiles, PlannedFaultFailsTheCallWithItsError) {
    fake.FailCall("CreateFileW", 1, win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(Create(u"C:\\a.xml"), win::INVALID_HANDLE_VALUE);
    EXPECT_EQ(fake.GetLastError(), win::ERROR_ACCESS_DENIED);
    EXPECT_FALSE(fake.files.Exists("C:\\a.xml"));
}

}  // namespace
}  // namespace velkaris::fake

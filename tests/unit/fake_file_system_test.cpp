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
    FileHandle Create(const std::string& path) {
        return fake.CreateFileA(path, READ_WRITE, 0, win::CREATE_ALWAYS,
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
    std::array<char, 260> buffer{};
    const std::uint32_t length = fake.GetFullPathNameA("x\\a.xml", 260, buffer.data());
    EXPECT_EQ(std::string(buffer.data(), length), "C:\\Users\\anna\\x\\a.xml");
    EXPECT_EQ(fake.GetFullPathNameA("a.xml", 4, buffer.data()), 20u);  // the size it needs
}

TEST_F(FakeFiles, CreateReportsMissingFolderAndOpenMissingFile) {
    EXPECT_EQ(Create("C:\\Nowhere\\a.xml"), win::INVALID_HANDLE_VALUE);
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(fake.CreateFileA("C:\\a.xml", win::GENERIC_READ, 0, win::OPEN_EXISTING, 0),
              win::INVALID_HANDLE_VALUE);
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_FILE_NOT_FOUND);
}

TEST_F(FakeFiles, CreateAlwaysTruncatesAndReportsTheExistingFile) {
    fake.files.WriteFileBytes("C:\\a.xml", "old");
    const FileHandle file = Create("C:\\a.xml");
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_ALREADY_EXISTS);
    EXPECT_EQ(fake.files.ReadFileBytes("C:\\a.xml"), "");
    fake.CloseHandle(file);
}

TEST_F(FakeFiles, NoSharingRefusesASecondOpener) {
    fake.files.WriteFileBytes("C:\\a.xml", "x");
    const FileHandle file = Create("C:\\a.xml");
    EXPECT_EQ(Create("C:\\A.XML"), win::INVALID_HANDLE_VALUE);
    EXPECT_EQ(fake.GetLastError(), win::ERROR_SHARING_VIOLATION);
    EXPECT_FALSE(fake.DeleteFileA("C:\\a.xml"));
    fake.CloseHandle(file);
    EXPECT_TRUE(fake.DeleteFileA("C:\\a.xml"));
}

TEST_F(FakeFiles, ClosingTwiceIsMisuse) {
    const FileHandle file = Create("C:\\a.xml");
    EXPECT_TRUE(fake.CloseHandle(file));
    EXPECT_FALSE(fake.CloseHandle(file));
    EXPECT_EQ(fake.misuse.size(), 1u);
    EXPECT_EQ(fake.files.OpenFileCount(), 0u);
}

TEST_F(FakeFiles, FullDiskWritesWhatFits) {
    fake.files.diskCapacity = 4;
    const FileHandle file = Create("C:\\a.xml");
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
    EXPECT_FALSE(fake.MoveFileExA("C:\\new", "C:\\old", 0));
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(fake.MoveFileExA("C:\\new", "C:\\old", win::MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(fake.files.ReadFileBytes("C:\\old"), "new");
    EXPECT_FALSE(fake.files.Exists("C:\\new"));
}

TEST_F(FakeFiles, CreateDirectoryReportsPresentFolderAndMissingParent) {
    EXPECT_TRUE(fake.CreateDirectoryA("C:\\Users\\anna\\Documents"));
    EXPECT_FALSE(fake.CreateDirectoryA("C:\\Users\\anna\\documents"));
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(fake.CreateDirectoryA("C:\\Users\\anna\\Nowhere\\Office"));
    EXPECT_EQ(fake.GetLastError(), fake::windows::ERROR_PATH_NOT_FOUND);
}

TEST_F(FakeFiles, SystemTextsEndWithCrLf) {
    std::array<char, 256> buffer{};
    const std::uint32_t length =
        fake.FormatMessageA(win::FORMAT_MESSAGE_SYSTEM_TEXT, 5, 0, buffer.data(), 256);
    EXPECT_EQ(std::string(buffer.data(), length), "Access is denied.\r\n");
}

TEST_F(FakeFiles, PlannedFaultFailsTheCallWithItsError) {
    fake.FailCall("CreateFileA", 1, win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(Create("C:\\a.xml"), win::INVALID_HANDLE_VALUE);
    EXPECT_EQ(fake.GetLastError(), win::ERROR_ACCESS_DENIED);
    EXPECT_FALSE(fake.files.Exists("C:\\a.xml"));
}

}  // namespace
}  // namespace velkaris::fake

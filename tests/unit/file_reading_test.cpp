#include "services/file_reading.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "platform/win_values.h"

namespace velkaris {
namespace {

using namespace std::string_literals;

const std::string FOLDER = "C:\\Users\\anna\\AppData\\Roaming\\Microsoft\\Office";
const std::string PATH = FOLDER + "\\pg_custom.xml";

class FilePrimitives : public ::testing::Test {
protected:
    fake::FakePlatform fake;
};

// --- FileIsPresent ---------------------------------------------------------------

TEST_F(FilePrimitives, EmptyFileIsPresent) {
    fake.files.WriteFileBytes(PATH, "");
    EXPECT_TRUE(FileIsPresent(fake, PATH));
    EXPECT_EQ(fake.files.OpenFileCount(), 0u);
}

TEST_F(FilePrimitives, FolderIsNotPresent) {
    fake.files.AddFolder(FOLDER);
    EXPECT_FALSE(FileIsPresent(fake, FOLDER));
    EXPECT_EQ(fake.files.OpenFileCount(), 0u);
}

TEST_F(FilePrimitives, MissingPathIsNotPresent) {
    EXPECT_FALSE(FileIsPresent(fake, PATH));
    EXPECT_FALSE(FileIsPresent(fake, "C:\\Users\\anna\\nothing.xml"));
}

// --- opening, positioning, reading -------------------------------------------------

TEST_F(FilePrimitives, OpenForReadingOfAFileHeldOpenElsewhereGivesTheInvalidHandle) {
    fake.files.WriteFileBytes(PATH, "x");
    fake.files.HoldOpen(PATH);
    EXPECT_EQ(OpenForReading(fake, PATH), win::INVALID_HANDLE_VALUE);
    EXPECT_EQ(fake.GetLastError(), win::ERROR_SHARING_VIOLATION);
}

TEST(OpenForReading, OpensAnExistingFileForReadingSharingReadOnly) {
    // Windows' FILE_ATTRIBUTE_NORMAL, which the fake does not act on.
    constexpr std::uint32_t FILE_ATTRIBUTE_NORMAL = 0x80;
    class OpenRecordingPlatform : public fake::FakePlatform {
    public:
        std::uint32_t access = 1, shareMode = 1, disposition = 1, attributes = 1;
        FileHandle CreateFileW(const std::u16string& path, std::uint32_t a, std::uint32_t s,
                               std::uint32_t d, std::uint32_t f) override {
            access = a;
            shareMode = s;
            disposition = d;
            attributes = f;
            return FakePlatform::CreateFileW(path, a, s, d, f);
        }
    } platform;
    platform.files.WriteFileBytes(PATH, "x");
    const FileHandle file = OpenForReading(platform, PATH);
    EXPECT_EQ(platform.access, fake::windows::GENERIC_READ);
    EXPECT_EQ(platform.shareMode, fake::windows::FILE_SHARE_READ);
    EXPECT_EQ(platform.disposition, fake::windows::OPEN_EXISTING);
    EXPECT_EQ(platform.attributes, FILE_ATTRIBUTE_NORMAL);
    CloseFileHandle(platform, file);
}

TEST_F(FilePrimitives, OpenForReadingOfAMissingFileGivesTheInvalidHandle) {
    EXPECT_EQ(OpenForReading(fake, PATH), win::INVALID_HANDLE_VALUE);
}

TEST_F(FilePrimitives, OpenForReadingKeepsWritersOutUntilClosed) {
    fake.files.WriteFileBytes(PATH, "x");
    const FileHandle file = OpenForReading(fake, PATH);
    ASSERT_GE(file, 0);
    EXPECT_EQ(fake.CreateFileW(fake::Utf16Of(PATH).value(), fake::windows::GENERIC_WRITE,
                               fake::windows::FILE_SHARE_READ, fake::windows::OPEN_EXISTING, 0),
              win::INVALID_HANDLE_VALUE);
    const FileHandle reader = OpenForReading(fake, PATH);
    EXPECT_GE(reader, 0);
    CloseFileHandle(fake, reader);
    CloseFileHandle(fake, file);
    EXPECT_EQ(fake.files.OpenFileCount(), 0u);
    const FileHandle again = OpenForReading(fake, PATH);
    EXPECT_GE(again, 0);
    CloseFileHandle(fake, again);
}

TEST_F(FilePrimitives, ReadsTheWholeFileAfterLearningItsSize) {
    fake.files.WriteFileBytes(PATH, "\xFF\xFE" "A\0"s);
    const FileHandle file = OpenForReading(fake, PATH);
    EXPECT_EQ(SetFilePosition(fake, file, 0, 2), 4);
    EXPECT_EQ(SetFilePosition(fake, file, 0, 0), 0);
    std::string buffer(5, '\0');
    EXPECT_EQ(ReadBytes(fake, file, buffer.data(), 4), 4);
    EXPECT_EQ(buffer, "\xFF\xFE" "A\0\0"s);
    EXPECT_EQ(ReadBytes(fake, file, buffer.data(), 4), 0);
    CloseFileHandle(fake, file);
}

TEST_F(FilePrimitives, FailedPositioningGivesMinusOne) {
    fake.files.WriteFileBytes(PATH, "abc");
    const FileHandle file = OpenForReading(fake, PATH);
    EXPECT_EQ(SetFilePosition(fake, file, -1, 0), -1);
    EXPECT_EQ(SetFilePosition(fake, file, 0, 7), -1);
    CloseFileHandle(fake, file);
}

TEST_F(FilePrimitives, PositionBeyondTheSigned32BitRangeGivesMinusOne) {
    fake.files.WriteFileBytes(PATH, "abc");
    const FileHandle file = OpenForReading(fake, PATH);
    const std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(SetFilePosition(fake, file, largest, 0), largest);
    EXPECT_EQ(SetFilePosition(fake, file, 1, 1), -1);
    CloseFileHandle(fake, file);
}

TEST_F(FilePrimitives, FailedReadGivesMinusOne) {
    fake.files.WriteFileBytes(PATH, "abc");
    const FileHandle file = OpenForReading(fake, PATH);
    std::string buffer(3, '\0');
    fake.FailCall("ReadFile");
    EXPECT_EQ(ReadBytes(fake, file, buffer.data(), 3), -1);
    CloseFileHandle(fake, file);
}

TEST_F(FilePrimitives, NegativeReadCountGivesMinusOneWithoutReading) {
    fake.files.WriteFileBytes(PATH, "abc");
    const FileHandle file = OpenForReading(fake, PATH);
    char byte = 0;
    EXPECT_EQ(ReadBytes(fake, file, &byte, -1), -1);
    EXPECT_EQ(fake.CallCount("ReadFile"), 0);
    CloseFileHandle(fake, file);
}

TEST_F(FilePrimitives, ReadingTheInvalidHandleGivesMinusOne) {
    char byte = 0;
    EXPECT_EQ(ReadBytes(fake, win::INVALID_HANDLE_VALUE, &byte, 1), -1);
    EXPECT_EQ(SetFilePosition(fake, win::INVALID_HANDLE_VALUE, 0, 2), -1);
}

}  // namespace
}  // namespace velkaris

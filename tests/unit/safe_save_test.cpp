#include "services/safe_save.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "platform/win_values.h"
#include "text/errors.h"

namespace velkaris {
namespace {

// Every line followed by CR LF, as the label file is written.
std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

const std::string FOLDER = "C:\\Users\\anna\\AppData\\Roaming\\Microsoft\\Office";
const std::string PATH = FOLDER + "\\pg_custom.xml";

// Windows numbers the fake has no use for, from the Windows headers.
constexpr std::uint32_t FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr std::uint32_t MOVEFILE_WRITE_THROUGH = 0x8;

// The fake, keeping the arguments of the calls whose numbers it does not itself act on.
class ArgumentRecordingPlatform : public fake::FakePlatform {
public:
    struct Open {
        std::string path;
        std::uint32_t access, shareMode, disposition, attributes;
    };
    std::vector<Open> opens;
    std::vector<std::uint32_t> moveFlags;

    FileHandle CreateFileW(const std::u16string& path, std::uint32_t access,
                           std::uint32_t shareMode, std::uint32_t disposition,
                           std::uint32_t attributes) override {
        opens.push_back(Open{*fake::Utf8Of(path), access, shareMode, disposition, attributes});
        return FakePlatform::CreateFileW(path, access, shareMode, disposition, attributes);
    }
    bool MoveFileExW(const std::u16string& from, const std::u16string& to,
                     std::uint32_t flags) override {
        moveFlags.push_back(flags);
        return FakePlatform::MoveFileExW(from, to, flags);
    }
};

class SaveFileSafelyTest : public ::testing::Test {
protected:
    void SetUp() override { fake.files.AddFolder(FOLDER); }

    // Saves as the label file's install does: replacing only a file it holds.
    void Save(const std::string& text, const std::string& path = PATH) {
        std::optional<HeldFile> held;
        if (fake.files.Exists(path)) held.emplace(fake, path);
        SaveFileSafely(fake, path, text, held ? &*held : nullptr);
    }

    // Runs the save expecting an error of type E and returns its message.
    template <typename E>
    std::string FailingSave(const std::string& text, const std::string& path = PATH) {
        try {
            Save(text, path);
        } catch (const E& error) {
            return error.Message();
        }
        ADD_FAILURE() << "the save did not raise the expected error";
        return {};
    }

    void ExpectOldFileKeptAndNothingLeft() {
        EXPECT_EQ(fake.files.ReadFileBytes(PATH), "old bytes");
        EXPECT_EQ(fake.files.ListFolder(FOLDER), (std::vector<std::string>{"pg_custom.xml"}));
        EXPECT_EQ(fake.files.OpenFileCount(), 0u);
        EXPECT_TRUE(fake.misuse.empty());
    }

    ArgumentRecordingPlatform fake;
};

TEST_F(SaveFileSafelyTest, WritesExactlyTheWholeText) {
    Save(Lines({"<a>", "", "\tb"}));
    EXPECT_EQ(fake.files.ReadFileBytes(PATH), "<a>\r\n\r\n\tb\r\n");
    EXPECT_EQ(fake.files.ListFolder(FOLDER), (std::vector<std::string>{"pg_custom.xml"}));
    EXPECT_EQ(fake.files.OpenFileCount(), 0u);
}

TEST_F(SaveFileSafelyTest, EmptyListCreatesAnEmptyFile) {
    Save("");
    EXPECT_EQ(fake.files.ReadFileBytes(PATH), "");
}

TEST_F(SaveFileSafelyTest, EmptyListEmptiesAnExistingFile) {
    fake.files.WriteFileBytes(PATH, "old bytes");
    Save("");
    EXPECT_EQ(fake.files.ReadFileBytes(PATH), "");
}

TEST_F(SaveFileSafelyTest, ReplacesAnExistingFileWithNothingLeftBeside) {
    fake.files.WriteFileBytes(PATH, "a much longer old content than the new one");
    Save(Lines({"new"}));
    EXPECT_EQ(fake.files.ReadFileBytes(PATH), "new\r\n");
    EXPECT_EQ(fake.files.ListFolder(FOLDER), (std::vector<std::string>{"pg_custom.xml"}));
}

TEST_F(SaveFileSafelyTest, OpensTheNewFileForReadingAndWritingWithNoSharing) {
    // No sharing: nothing else can write into the new file before it replaces the old;
    // only a new file: nothing is written through a name that was already there.
    Save(Lines({"new"}));
    ASSERT_EQ(fake.opens.size(), 1u);
    EXPECT_EQ(fake.opens[0].path, PATH + ".new");
    EXPECT_EQ(fake.opens[0].access, fake::windows::GENERIC_READ | fake::windows::GENERIC_WRITE);
    EXPECT_EQ(fake.opens[0].shareMode, 0u);
    EXPECT_EQ(fake.opens[0].disposition, fake::windows::CREATE_NEW);
    EXPECT_EQ(fake.opens[0].attributes, FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SaveFileSafelyTest, RemovesALeftoverNewFileAndReportsOneThatComesBack) {
    // A leftover is removed, not written through: it may be a link to another file.
    fake.files.WriteFileBytes(PATH + ".new", "praca");
    Save(Lines({"new"}));
    EXPECT_EQ(fake.files.ReadFileBytes(PATH), "new\r\n");
    EXPECT_EQ(fake.files.ListFolder(FOLDER), (std::vector<std::string>{"pg_custom.xml"}));
    // One put back between the delete and the create is reported.
    fake.files.WriteFileBytes(PATH, "old bytes");
    fake.files.WriteFileBytes(PATH + ".new", "praca");
    fake.FailCall("CreateFileW", 7, fake::windows::ERROR_FILE_EXISTS);
    EXPECT_EQ(FailingSave<EFCreateError>(Lines({"new"})),
              "Cannot create file \"" + PATH + ".new\". The file exists");
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(SaveFileSafelyTest, ReplacesAnExistingFileInOneRenameWrittenThrough) {
    fake.files.WriteFileBytes(PATH, "old bytes");
    Save(Lines({"new"}));
    EXPECT_EQ(fake.moveFlags, (std::vector<std::uint32_t>{
                                  fake::windows::MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH}));
    EXPECT_EQ(fake.files.ReadFileBytes(PATH), "new\r\n");
}

TEST_F(SaveFileSafelyTest, WithoutReplacingCreatesTheFileInARenameWrittenThrough) {
    SaveFileSafely(fake, PATH, Lines({"new"}), nullptr);
    EXPECT_EQ(fake.moveFlags, (std::vector<std::uint32_t>{MOVEFILE_WRITE_THROUGH}));
    EXPECT_EQ(fake.files.ReadFileBytes(PATH), "new\r\n");
    EXPECT_EQ(fake.files.ListFolder(FOLDER), (std::vector<std::string>{"pg_custom.xml"}));
}

TEST_F(SaveFileSafelyTest, WithoutReplacingKeepsAFileThatIsThereAndFails) {
    // A file that appeared after it was judged absent holds labels nobody has read.
    fake.files.WriteFileBytes(PATH, "old bytes");
    try {
        SaveFileSafely(fake, PATH, Lines({"new"}), nullptr);
        ADD_FAILURE() << "the save did not fail";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), "Cannot create file \"" + PATH +
                                       "\". Cannot create a file when that file already exists");
    }
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(SaveFileSafelyTest, MissingFolderRaisesEFCreateErrorWithTheAbsolutePath) {
    const std::string path = "C:\\Users\\anna\\AppData\\Roaming\\Nowhere\\pg_custom.xml";
    EXPECT_EQ(FailingSave<EFCreateError>(Lines({"x"}), path),
              "Cannot create file \"" + path +
                  "\". The system cannot find the path specified");
    EXPECT_FALSE(fake.files.Exists(path + ".new"));
}

TEST_F(SaveFileSafelyTest, RelativePathIsShownMadeAbsolute) {
    EXPECT_EQ(FailingSave<EFCreateError>(Lines({"x"}), "Missing\\pg_custom.xml"),
              "Cannot create file \"C:\\Users\\anna\\Missing\\pg_custom.xml\". "
              "The system cannot find the path specified");
}

TEST_F(SaveFileSafelyTest, FileHeldOpenElsewhereRaisesEFCreateErrorAndStaysIntact) {
    fake.files.WriteFileBytes(PATH, "old bytes");
    fake.onCall = [this](const std::string& call) {  // once it is no longer ours to hold
        if (call == "MoveFileExW" && fake.CallCount("MoveFileExW") == 0) fake.files.HoldOpen(PATH);
    };
    EXPECT_EQ(FailingSave<EFCreateError>(Lines({"new"})),
              "Cannot create file \"" + PATH + "\". Access is denied");
    fake.files.Release(PATH);
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(SaveFileSafelyTest, ReadOnlyFileRaisesEFCreateErrorAndStaysIntact) {
    fake.files.WriteFileBytes(PATH, "old bytes");
    fake.files.SetReadOnly(PATH);
    EXPECT_EQ(FailingSave<EFCreateError>(Lines({"new"})),
              "Cannot create file \"" + PATH + "\". Access is denied");
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(SaveFileSafelyTest, QuotesTheErrorOfTheFailedCallNotOfLaterOnes) {
    fake.FailCall("CreateFileW", 1, fake::windows::ERROR_DISK_FULL);
    fake.FailCall("GetFullPathNameW", 1, fake::windows::ERROR_INVALID_PARAMETER);
    EXPECT_EQ(FailingSave<EFCreateError>(Lines({"x"})),
              "Cannot create file \"" + PATH + "\". There is not enough space on the disk");
}

// A short write sets no error of its own: it is a full disk, never a success.
#define DISK_FULL ("Cannot write to file \"" + PATH + "\". There is not enough space on the disk")

TEST_F(SaveFileSafelyTest, FailedWriteRaisesEWriteErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(PATH, "old bytes");
    fake.FailCall("WriteFile", 1, win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(FailingSave<EWriteError>(Lines({"new"})),
              "Cannot write to file \"" + PATH + "\". Access is denied");
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(SaveFileSafelyTest, ShortWriteRaisesEWriteErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(PATH, "old bytes");
    fake.AddFault(fake::Fault{"WriteFile", 1, 0, true});
    EXPECT_EQ(FailingSave<EWriteError>(Lines({"new content"})), DISK_FULL);
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(SaveFileSafelyTest, FullDiskRaisesEWriteErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(PATH, "old bytes");
    fake.files.diskCapacity = 12;
    EXPECT_EQ(FailingSave<EWriteError>(Lines({"new content"})), DISK_FULL);
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(SaveFileSafelyTest, FailedFlushRaisesEWriteErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(PATH, "old bytes");
    fake.FailCall("FlushFileBuffers", 1, fake::windows::ERROR_DISK_FULL);
    EXPECT_EQ(FailingSave<EWriteError>(Lines({"new"})), DISK_FULL);
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(SaveFileSafelyTest, FailedCloseRaisesEWriteErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(PATH, "old bytes");
    fake.FailCall("CloseHandle", 1, fake::windows::ERROR_DISK_FULL);
    EXPECT_EQ(FailingSave<EWriteError>(Lines({"new"})), DISK_FULL);
    ExpectOldFileKeptAndNothingLeft();
}

TEST_F(SaveFileSafelyTest, FailedReplaceRaisesEFCreateErrorAndKeepsTheOldFile) {
    fake.files.WriteFileBytes(PATH, "old bytes");
    fake.FailCall("MoveFileExW", 1, fake::windows::ERROR_DISK_FULL);
    EXPECT_EQ(FailingSave<EFCreateError>(Lines({"new"})),
              "Cannot create file \"" + PATH + "\". There is not enough space on the disk");
    ExpectOldFileKeptAndNothingLeft();
}

}  // namespace
}  // namespace velkaris

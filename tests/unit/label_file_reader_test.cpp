#include "label_file/label_file_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "text/errors.h"
#include "unit/label_file_test_support.h"

namespace velkaris {
namespace {

using namespace std::string_literals;
using label_file_testing::APP_DATA_FOLDER;
using label_file_testing::LABEL_FILE_PATH;

// --- where the file lies ------------------------------------------------------

TEST(LabelFilePath, JoinsTheFolderWithMicrosoftOfficeAndTheFileName) {
    fake::FakePlatform platform;
    EXPECT_EQ(LabelFilePath(platform, APP_DATA_FOLDER), LABEL_FILE_PATH);
}

// A folder of C:\ and count letters, each one UTF-16 unit: "ł" is two bytes.
std::string FolderOf(const std::string& letter, int count) {
    std::string folder = "C:\\";
    while (count-- > 0) folder += letter;
    return folder;
}

TEST(LabelFilePath, TakesAPathOfExactly255Characters) {
    fake::FakePlatform platform;
    EXPECT_EQ(LabelFilePath(platform, FolderOf("a", 224 - 3)).size(), 255u);
    for (const char* letter : {"a", "ł"}) {
        const std::string folder = FolderOf(letter, 224 - 3);
        EXPECT_EQ(LabelFilePath(platform, folder), folder + "\\Microsoft\\Office\\pg_custom.xml");
    }
}

TEST(LabelFilePath, RefusesAPathOver255CharactersInsteadOfCuttingIt) {
    fake::FakePlatform platform;
    for (const char* letter : {"a", "ł"}) {
        const std::string folder = FolderOf(letter, 225 - 3);
        try {
            LabelFilePath(platform, folder);
            ADD_FAILURE() << "no error raised";
        } catch (const EFCreateError& error) {
            EXPECT_EQ(error.KindName(), "EFCreateError");
            EXPECT_EQ(error.Message(), "Cannot create file \"" + folder +
                                           "\\Microsoft\\Office\\pg_custom.xml\". The filename or "
                                           "extension is too long");
        }
    }
}

// --- bytes to text ---------------------------------------------------------------

class ReadLabelFileText : public ::testing::Test {
protected:
    std::string ItemOf(const std::string& bytes) {
        platform.files.WriteFileBytes(LABEL_FILE_PATH, bytes);
        const std::string text = velkaris::ReadLabelFileText(platform, LABEL_FILE_PATH);
        EXPECT_EQ(platform.files.OpenFileCount(), 0u);
        EXPECT_TRUE(platform.misuse.empty());
        return text;
    }

    fake::FakePlatform platform;
};

TEST_F(ReadLabelFileText, TakesTheLowBytesOfUtf16AndAFinalNul) {
    EXPECT_EQ(ItemOf("\xFF\xFE\x41\x00\x42\x00"s), "AB\0"s);
}

TEST_F(ReadLabelFileText, EndsAUtf16FileOfOddLengthWithItsLoneByteAndNoNul) {
    EXPECT_EQ(ItemOf("\xFF\xFE\x41\x00\x42"s), "AB"s);
}

TEST_F(ReadLabelFileText, TurnsAByteOrderMarkAloneIntoOneNul) {
    EXPECT_EQ(ItemOf("\xFF\xFE"s), "\0"s);
}

TEST_F(ReadLabelFileText, DecodesUtf16IntoUtf8KeepingEveryCharacter) {
    // U+00F3, U+0142, U+0100 (low byte zero), U+1D11E (a surrogate pair).
    EXPECT_EQ(ItemOf("\xFF\xFE\xF3\x00\x42\x01\x00\x01\x34\xD8\x1E\xDD" "x"s),
              "\xC3\xB3\xC5\x82\xC4\x80\xF0\x9D\x84\x9E" "x"s);
}

TEST_F(ReadLabelFileText, RefusesAUtf16SurrogateWithoutItsPair) {
    for (const std::string& file : {"\xFF\xFE\x34\xD8x\x00"s, "\xFF\xFE\x1E\xDD"s,
                                    "\xFF\xFE\x34\xD8"s, "\xFF\xFE\x34\xD8\x1E"s}) {
        platform.files.WriteFileBytes(LABEL_FILE_PATH, file);
        try {
            velkaris::ReadLabelFileText(platform, LABEL_FILE_PATH);
            ADD_FAILURE() << "no error raised";
        } catch (const EFOpenError& error) {
            EXPECT_EQ(error.Message(), std::string("Cannot open file \"") + LABEL_FILE_PATH +
                                           "\". It holds a broken UTF-16 character (a "
                                           "surrogate without its pair)");
        }
        EXPECT_EQ(platform.files.OpenFileCount(), 0u);
    }
}

TEST_F(ReadLabelFileText, RefusesAFileTooLargeToHoldBeforeReadingIt) {
    // One byte more would make the buffer size wrap round to a negative count.
    platform.files.WriteFileBytes(LABEL_FILE_PATH, "<vps/>");
    platform.files.SetApparentSize(LABEL_FILE_PATH, 2147483647u);
    try {
        velkaris::ReadLabelFileText(platform, LABEL_FILE_PATH);
        FAIL() << "no error raised";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message(), std::string("Cannot open file \"") + LABEL_FILE_PATH +
                                       "\". It is too large to be read");
    }
    EXPECT_EQ(platform.CallCount("ReadFile"), 0);
    EXPECT_EQ(platform.files.OpenFileCount(), 0u);
}

TEST_F(ReadLabelFileText, TakesOtherFilesByteForByteWithAFinalNul) {
    EXPECT_EQ(ItemOf("x"), "x\0"s);
    EXPECT_EQ(ItemOf("a\r\nbc\xC5\xBC"s), "a\r\nbc\xC5\xBC\0"s);
}

TEST_F(ReadLabelFileText, TurnsAnEmptyFileIntoOneNul) { EXPECT_EQ(ItemOf(""), "\0"s); }

TEST_F(ReadLabelFileText, KeepsAUtf8ByteOrderMark) {
    EXPECT_EQ(ItemOf("\xEF\xBB\xBF<?xml?>"s), "\xEF\xBB\xBF<?xml?>\0"s);
}

TEST_F(ReadLabelFileText, TakesTheEncodingFromTheMarkOrTheFirstCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"\xFF"s, "\xFF\0"s},
        {"\xFF\x41\x42"s, "\xFF\x41\x42\0"s},
        {"\xFE\xFF\x00\x41"s, "A\0"s},
        {"\x00\x00\xFE\xFF\x00\x00\x00\x41"s, "A\0"s},
        {"\xFF\xFE\x00\x00\x41\x00\x00\x00"s, "A\0"s},
        {"\x00\x3C\x00\x3F"s, "<?\0"s},
        {"\x3C\x00\x3F\x00"s, "<?\0"s},
        {"\x00\x00\x00\x3C"s, "<\0"s},
        {"\x3C\x00\x00\x00"s, "<\0"s},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(ItemOf(bytes), text);
}

TEST_F(ReadLabelFileText, OpensTheFileReadOnlyWithNoSharing) {
    platform.files.WriteFileBytes(LABEL_FILE_PATH, "x");
    platform.files.HoldOpen(LABEL_FILE_PATH);
    EXPECT_THROW(velkaris::ReadLabelFileText(platform, LABEL_FILE_PATH), EFOpenError);
}

TEST_F(ReadLabelFileText, RaisesOpenErrorWithTheAbsolutePathWhenTheFileIsHeldOpen) {
    platform.files.WriteFileBytes(LABEL_FILE_PATH, "x");
    platform.files.HoldOpen(LABEL_FILE_PATH);
    platform.files.currentDirectory = "C:\\Users\\anna\\AppData";
    try {
        velkaris::ReadLabelFileText(platform, "Roaming\\Microsoft\\Office\\pg_custom.xml");
        FAIL() << "no error raised";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.KindName(), "EFOpenError");
        EXPECT_EQ(error.Message(), std::string("Cannot open file \"") + LABEL_FILE_PATH +
                                       "\". The process cannot access the file because it is "
                                       "being used by another process");
    }
    EXPECT_EQ(platform.files.OpenFileCount(), 0u);
}

TEST_F(ReadLabelFileText, RaisesOpenErrorAndClosesTheFileWhenTheReadFails) {
    platform.files.WriteFileBytes(LABEL_FILE_PATH, "<vps/>");
    platform.FailCall("ReadFile", 1, 5);
    try {
        velkaris::ReadLabelFileText(platform, LABEL_FILE_PATH);
        FAIL() << "no error raised";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message(),
                  std::string("Cannot open file \"") + LABEL_FILE_PATH + "\". Access is denied");
    }
    EXPECT_EQ(platform.files.OpenFileCount(), 0u);
    EXPECT_TRUE(platform.misuse.empty());
}

TEST_F(ReadLabelFileText, RaisesOpenErrorWhenTheReadStopsShort) {
    platform.files.WriteFileBytes(LABEL_FILE_PATH, "<vps></vps>");
    platform.AddFault(fake::Fault{"ReadFile", 1, 0, true});
    EXPECT_THROW(velkaris::ReadLabelFileText(platform, LABEL_FILE_PATH), EFOpenError);
    EXPECT_EQ(platform.files.OpenFileCount(), 0u);
}

// --- the size lookup ----------------------------------------------------------------

class ReadLabelFileSize : public ReadLabelFileText {
protected:
    void SetUp() override {
        platform.files.WriteFileBytes(LABEL_FILE_PATH, "<vps/>");
        // Windows' own text for ERROR_ARITHMETIC_OVERFLOW; the fake has none of its own.
        platform.files.messageTexts[534] = "Arithmetic result exceeded 32 bits.";
    }

    // The reason the open error gives, after the path.
    std::string Reason() {
        try {
            velkaris::ReadLabelFileText(platform, LABEL_FILE_PATH);
            ADD_FAILURE() << "no error raised";
        } catch (const EFOpenError& error) {
            const std::string head = std::string("Cannot open file \"") + LABEL_FILE_PATH + "\". ";
            EXPECT_EQ(error.Message().substr(0, head.size()), head);
            EXPECT_EQ(platform.files.OpenFileCount(), 0u);
            EXPECT_TRUE(platform.misuse.empty());
            return error.Message().substr(head.size());
        }
        return {};
    }
};

TEST_F(ReadLabelFileSize, FailedLookupOfTheSizeGivesTheSystemTextOfItsError) {
    platform.FailCall("SetFilePointer", 1, 5);
    EXPECT_EQ(Reason(), "Access is denied");
}

TEST_F(ReadLabelFileSize, FailedReturnToTheStartGivesTheSystemTextOfItsError) {
    platform.FailCall("SetFilePointer", 2, fake::windows::ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Reason(), "The parameter is incorrect");
}

TEST_F(ReadLabelFileSize, FailedLookupWithoutAnErrorCodeIsNamedAnArithmeticOverflow) {
    platform.AddFault(fake::Fault{"SetFilePointer", 1, 0, false});
    EXPECT_EQ(Reason(), "Arithmetic result exceeded 32 bits");
}

TEST_F(ReadLabelFileSize, FileBetween2And4GiBIsNamedAnArithmeticOverflow) {
    // Its size is a valid position to Windows, with no error code, but no int32.
    platform.files.SetApparentSize(LABEL_FILE_PATH, 3ull << 30);
    EXPECT_EQ(Reason(), "Arithmetic result exceeded 32 bits");
    EXPECT_EQ(platform.CallCount("ReadFile"), 0);
}

}  // namespace
}  // namespace velkaris

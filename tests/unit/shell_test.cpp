#include "support/shell.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "platform/win_values.h"
#include "program_test_support.h"

namespace velkaris {
namespace {

TEST(GetUserFolderTest, ReturnsTheApplicationDataFolderAsTheShellReportsIt) {
    fake::FakePlatform fake;
    EXPECT_EQ(GetUserFolder(fake, win::CSIDL_APPDATA), "C:\\Users\\anna\\AppData\\Roaming");
}

TEST(GetUserFolderTest, Keeps255CharactersAndCutsLongerPaths) {
    fake::FakePlatform fake;
    fake.appDataFolder = "C:\\" + std::string(252, 'a');
    EXPECT_EQ(GetUserFolder(fake, win::CSIDL_APPDATA), fake.appDataFolder);
    fake.appDataFolder = "C:\\" + std::string(256, 'b');
    EXPECT_EQ(GetUserFolder(fake, win::CSIDL_APPDATA), fake.appDataFolder.substr(0, 255));
}

TEST(GetUserFolderTest, FailedLookupGivesAnEmptyPathNotStaleBufferContents) {
    fake::FakePlatform fake;
    fake.FailCall("SHGetSpecialFolderPathA");
    EXPECT_EQ(GetUserFolder(fake, win::CSIDL_APPDATA), "");
}

TEST(ShowMessageBoxTest, ConvertsWindows1250TextToUtf16AndReturnsTheAnswer) {
    fake::FakePlatform fake;
    fake.answers = {win::IDNO};
    EXPECT_EQ(ShowMessageBox(fake, "\xE6\xBF\xB3\xAF\r!", "Caption \xB9", 0x24), win::IDNO);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, testing::Utf16("ćżłŻ\r!"));
    EXPECT_EQ(fake.boxes[0].caption, testing::Utf16("Caption ą"));
    EXPECT_EQ(fake.boxes[0].style, 0x24u);
}

TEST(ShowMessageBoxTest, BoxThatCannotBeShownAnswersZero) {
    fake::FakePlatform fake;
    fake.FailCall("MessageBoxW");
    EXPECT_EQ(ShowMessageBox(fake, "x", "y", 0x24), 0);
}

TEST(ShowSystemMessageBoxTest, PassesTheSystemCodePageTextUnchanged) {
    fake::FakePlatform fake;
    ShowSystemMessageBox(fake, "C:\\U\xBFytkownik\r\n", "Application Error", 0x2010);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_FALSE(fake.boxes[0].wide);
    EXPECT_EQ(fake.boxes[0].ansiText, "C:\\U\xBFytkownik\r\n");
}

}  // namespace
}  // namespace velkaris

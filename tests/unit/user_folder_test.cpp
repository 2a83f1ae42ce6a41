#include "services/user_folder.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"

namespace velkaris {
namespace {

using fake::windows::CSIDL_APPDATA;

TEST(GetUserFolderTest, ReturnsTheApplicationDataFolderAsTheShellReportsIt) {
    fake::FakePlatform fake;
    EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), "C:\\Users\\anna\\AppData\\Roaming");
}

TEST(GetUserFolderTest, Keeps255CharactersAndCutsLongerPaths) {
    fake::FakePlatform fake;
    fake.appDataFolder = "C:\\" + std::string(252, 'a');
    EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), fake.appDataFolder);
    fake.appDataFolder = "C:\\" + std::string(256, 'b');
    EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), fake.appDataFolder.substr(0, 255));
}

TEST(GetUserFolderTest, FailedLookupGivesAnEmptyPathNotStaleBufferContents) {
    fake::FakePlatform fake;
    fake.FailCall("SHGetSpecialFolderPathA");
    EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), "");
}

TEST(GetUserFolderTest, LookupThatSucceedsWithEmptyTextGivesAnEmptyPath) {
    fake::FakePlatform fake;
    fake.appDataFolder = "";
    EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), "");
}

}  // namespace
}  // namespace velkaris

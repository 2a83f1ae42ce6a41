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
    // Letters of any code page, and beyond 16 bits.
    for (const char* folder : {"C:\\Users\\Michał\\AppData", "C:\\Users\\Олеся 𝄞"}) {
        fake.appDataFolder = folder;
        EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), folder);
    }
}

TEST(GetUserFolderTest, Keeps255CharactersAndCutsLongerPaths) {
    fake::FakePlatform fake;
    fake.appDataFolder = "C:\\" + std::string(252, 'a');
    EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), fake.appDataFolder);
    fake.appDataFolder = "C:\\" + std::string(256, 'b');
    EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), fake.appDataFolder.substr(0, 255));
    // Counted in UTF-16 units, as the shell gives them: "ł" is one, in two bytes.
    std::string polish = "C:\\";
    for (int i = 0; i < 252; ++i) polish += "ł";
    fake.appDataFolder = polish;
    EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), polish);
    fake.appDataFolder = polish + "ł";
    EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), polish);
}

TEST(GetUserFolderTest, FailedLookupGivesAnEmptyPathNotStaleBufferContents) {
    fake::FakePlatform fake;
    fake.FailCall("SHGetSpecialFolderPathW");
    EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), "");
}

TEST(GetUserFolderTest, LookupThatSucceedsWithEmptyTextGivesAnEmptyPath) {
    fake::FakePlatform fake;
    fake.appDataFolder = "";
    EXPECT_EQ(GetUserFolder(fake, CSIDL_APPDATA), "");
}

}  // namespace
}  // namespace velkaris

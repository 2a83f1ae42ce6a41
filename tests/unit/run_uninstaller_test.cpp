#include "installer/run_uninstaller.h"

#include <gtest/gtest.h>

#include "catalogue/label_records.h"
#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "installer/program_entry.h"
#include "program_test_support.h"
#include "unit/label_file_test_support.h"

namespace velkaris {
namespace {

using namespace label_file_testing;
using program_testing::CustomLabelsKey;
using program_testing::Utf16;
using program_testing::WordKey;

const char* const QUESTION = "Czy chcesz usunąć pakiet etykiet marki Velkaris z programu MS Word?";
const char* const UNINSTALLED = "Etykiety marki Velkaris zostały usunięte.";
const char* const NOT_INSTALLED = "Pakiet etykiet marki Velkaris nie jest zainstalowany.";
const char* const EXE = "\"C:\\Users\\anna\\Downloads\\velkaris-labels.exe\"";

// Word 11.0 and 12.0, a label file and a registry value of the user's own.
class UninstallTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake.AddKey(WordKey("12.0"));
        fake.AddKey(CustomLabelsKey("11.0")).values["Moja"] = {fake::windows::REG_BINARY, "mine"};
        fake.files.AddFolder("C:\\Users\\anna");
        fake.files.WriteFileBytes(LABEL_FILE_PATH, WordFile(OwnProducts(2)));
    }
    // The last box's text after a run answering Yes.
    std::u16string Run(const std::u16string& arguments, int exitCode = 0) {
        fake.commandLine = Utf16(EXE) + arguments;
        fake.answers = {fake::windows::IDYES};
        fake.boxes.clear();
        EXPECT_EQ(RunProgram(fake), exitCode);
        EXPECT_TRUE(fake.misuse.empty());
        return fake.boxes.empty() ? u"" : fake.boxes.back().text;
    }
    std::size_t Values() const { return fake.FindKey(CustomLabelsKey("11.0"))->values.size(); }

    fake::FakePlatform fake;
};

TEST_F(UninstallTest, TakesOutWhatTheInstallAddedAndSaysSoOnceMore) {
    Run(u"");
    const std::string installed = fake.files.ReadFileBytes(LABEL_FILE_PATH);
    fake.answers = {fake::windows::IDNO};
    fake.commandLine = Utf16(EXE) + u" /uninstall";
    EXPECT_EQ(RunProgram(fake), 0);
    EXPECT_EQ(fake.files.ReadFileBytes(LABEL_FILE_PATH), installed);
    EXPECT_EQ(Values(), 18u);

    EXPECT_EQ(Run(u" /uninstall"), Utf16(UNINSTALLED));
    ASSERT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(fake.boxes[0].text, Utf16(QUESTION));
    EXPECT_EQ(fake.boxes[0].style, 0x24u);
    EXPECT_EQ(fake.boxes[1].style, 0x40040u);
    EXPECT_EQ(Values(), 1u);
    EXPECT_EQ(fake.files.ReadFileBytes(LABEL_FILE_PATH),
              Crlf(Concat({{HEADER_LINE}, OwnProducts(2), EmptyLines(2), {FOOTER_LINE}})));

    EXPECT_EQ(Run(u" -UNINSTALL"), Utf16(NOT_INSTALLED));
    Run(u"");
    EXPECT_EQ(Values(), 18u);
    EXPECT_EQ(ProductIds(fake.files.ReadFileBytes(LABEL_FILE_PATH)), IdRange(1, 19));
}

TEST_F(UninstallTest, KeepsTheLabelsChangedAfterTheInstallAndNamesThemInTheLog) {
    Run(u"");
    fake.AddKey(CustomLabelsKey("11.0")).values["Velkaris     L-15"].data[10] = 'x';
    std::string file = fake.files.ReadFileBytes(LABEL_FILE_PATH);
    file.replace(file.find("width=\"1746250\""), 15, "width=\"1746000\"");
    fake.files.WriteFileBytes(LABEL_FILE_PATH, file);

    const std::u16string kept = u"\rPozostawiono etykiety zmienione po instalacji: 2.";
    EXPECT_EQ(Run(u" /uninstall /log C:\\Users\\anna\\v.log"), Utf16(UNINSTALLED) + kept);
    EXPECT_EQ(Values(), 2u);
    const std::string saved = fake.files.ReadFileBytes(LABEL_FILE_PATH);
    EXPECT_NE(saved.find("width=\"1746000\""), std::string::npos);
    EXPECT_EQ(ProductIds(saved).size(), 3u);
    const std::string log = fake.files.ReadFileBytes("C:\\Users\\anna\\v.log");
    EXPECT_NE(log.find("Word 12.0: product \"Velkaris     L-03\" kept: changed after the install\r\n"),
              std::string::npos);
    EXPECT_NE(log.find("Word 11.0: value \"Velkaris     L-15\" kept: changed after the install\r\n"),
              std::string::npos);
    EXPECT_NE(log.find("Outcome: uninstalled, 2 changed labels kept\r\n"), std::string::npos);

    EXPECT_EQ(Run(u" /uninstall /quiet"), u"");
    EXPECT_EQ(Run(u" /uninstall"), Utf16(NOT_INSTALLED) + kept);
}

}  // namespace
}  // namespace velkaris

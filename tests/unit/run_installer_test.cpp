#include "installer/run_installer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "catalogue/pack.h"
#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "installer/failure_report.h"
#include "installer/program_entry.h"
#include "installer/messages.h"
#include "platform/win_values.h"
#include "program_test_support.h"

namespace velkaris {
namespace {

using program_testing::CustomLabelsKey;
using program_testing::Utf16;
using program_testing::WordKey;

class RunInstallerTest : public ::testing::Test {
protected:
    void Have(std::initializer_list<const char*> versions) {
        for (const char* v : versions) fake.AddKey(WordKey(v));
    }
    int Run() { return RunProgram(fake); }

    bool HasLabels(const char* version) const {
        const fake::RegKey* key = fake.FindKey(CustomLabelsKey(version));
        return key != nullptr && key->values.size() == LABEL_COUNT;
    }

    fake::FakePlatform fake;
};

TEST(MessageTextsTest, AreThePolishTextsWithLoneCarriageReturns) {
    EXPECT_EQ(std::u16string(QUESTION_TEXT), Utf16(program_testing::QUESTION_UTF8));
    EXPECT_EQ(std::u16string(DONE_TEXT), Utf16(program_testing::DONE_UTF8));
    EXPECT_EQ(std::u16string(NO_WORD_TEXT), Utf16(program_testing::NO_WORD_UTF8));
    EXPECT_EQ(std::u16string(MESSAGE_CAPTION), Utf16(program_testing::CAPTION_UTF8));
    EXPECT_EQ(std::u16string(WORD_TOO_NEW_TEXT),
              Utf16("Zainstalowana wersja programu MS Word nie jest obsługiwana\rInstalacja etykiet nie jest możliwa!"));
    EXPECT_EQ(std::u16string(NEWER_WORD_TOO_TEXT),
              Utf16("Zainstalowana jest również nowsza wersja programu MS Word, której ten pakiet nie obsługuje."));
}

TEST_F(RunInstallerTest, NoWordShowsTheWarningAndCreatesNothing) {
    EXPECT_EQ(Run(), 0);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, Utf16(program_testing::NO_WORD_UTF8));
    EXPECT_EQ(fake.boxes[0].caption, Utf16(program_testing::CAPTION_UTF8));
    EXPECT_EQ(fake.boxes[0].style, 0x40030u);
    EXPECT_TRUE(fake.hkcu.subkeys.empty());
    EXPECT_EQ(fake.CallCount("RegOpenKeyExA"), 8);  // 8.0 to 12.0, then the newer ones
    EXPECT_FALSE(fake.exitCode.has_value());
}

TEST_F(RunInstallerTest, DetectionAsksOnlyWhetherEachKeyIsThere) {
    Have({"9.0", "11.0"});
    fake.AddKey(WordKey("11.0")).readOnly = true;
    fake.answers = {fake::windows::IDNO};
    Run();
    EXPECT_EQ(fake.CallCount("RegOpenKeyExA"), 8);  // every version, once
    EXPECT_EQ(fake.boxes.size(), 1u);               // found: the question
    EXPECT_TRUE(fake.misuse.empty());
}

TEST_F(RunInstallerTest, QuestionIsAskedOnceWithYesNoAndNotTopmost) {
    Have({"12.0"});
    fake.answers = {fake::windows::IDNO};
    Run();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, Utf16(program_testing::QUESTION_UTF8));
    EXPECT_EQ(fake.boxes[0].caption, Utf16(program_testing::CAPTION_UTF8));
    EXPECT_EQ(fake.boxes[0].style, 0x24u);
}

TEST_F(RunInstallerTest, AnyAnswerButYesWritesNothingAndShowsNoFurtherBox) {
    for (std::int32_t answer : {fake::windows::IDNO, fake::windows::IDOK, 2}) {
        fake::FakePlatform run;
        run.AddKey(WordKey("8.0"));
        run.AddKey(WordKey("11.0"));
        run.answers = {answer};
        EXPECT_EQ(RunProgram(run), 0);
        EXPECT_EQ(run.boxes.size(), 1u) << answer;
        EXPECT_EQ(run.CallCount("RegCreateKeyExA"), 0) << answer;
        EXPECT_EQ(run.CallCount("RegSetValueExA"), 0) << answer;
        EXPECT_EQ(run.FindKey(CustomLabelsKey("8.0")), nullptr) << answer;
    }
}

TEST_F(RunInstallerTest, OnlyWord8GetsItsLabelsAndTheDoneBox) {
    Have({"8.0"});
    fake.answers = {win::IDYES};
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(HasLabels("8.0"));
    ASSERT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(fake.boxes[1].text, Utf16(program_testing::DONE_UTF8));
    EXPECT_EQ(fake.boxes[1].caption, Utf16(program_testing::CAPTION_UTF8));
    EXPECT_EQ(fake.boxes[1].style, 0x40040u);
    EXPECT_EQ(fake.CallCount("SHGetSpecialFolderPathW"), 0);
}

TEST_F(RunInstallerTest, InstallsFromTheNewestVersionDownEachRightAfterItsKeyOpens) {
    Have({"8.0", "9.0", "10.0", "11.0"});
    fake.answers = {win::IDYES};
    EXPECT_EQ(Run(), 0);
    for (const char* v : {"8.0", "9.0", "10.0", "11.0"}) EXPECT_TRUE(HasLabels(v)) << v;
    // After the question: each found key is opened and its Custom Labels created
    // before the next version is looked at.
    std::vector<std::string> afterQuestion;
    bool asked = false;
    for (const std::string& call : fake.Calls()) {
        if (call == "MessageBoxW") asked = true;
        if (asked && (call == "RegOpenKeyExA" || call == "RegCreateKeyExA")) afterQuestion.push_back(call);
    }
    const std::vector<std::string> expected = {
        "RegOpenKeyExA", "RegCreateKeyExA",  // 11.0
        "RegOpenKeyExA", "RegCreateKeyExA",  // 10.0
        "RegOpenKeyExA", "RegCreateKeyExA",  // 9.0
        "RegOpenKeyExA", "RegCreateKeyExA",  // 8.0
    };
    EXPECT_EQ(afterQuestion, expected);
    EXPECT_EQ(fake.boxes.size(), 2u);
}

TEST_F(RunInstallerTest, ARefusedValueFailsItsOwnVersionOnlyAndTheRunEndsInTheReport) {
    // Refusing the first value of the (k+1)th set installed: that version holds
    // none, every other one all its labels.
    const char* const installOrder[] = {"11.0", "10.0", "9.0", "8.0"};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE("refused value " + std::to_string(LABEL_COUNT * k + 1));
        fake::FakePlatform run;
        for (const char* v : installOrder) run.AddKey(WordKey(v));
        run.answers = {win::IDYES};
        run.FailCall("RegSetValueExA", LABEL_COUNT * k + 1);
        EXPECT_EQ(RunProgram(run), 1);
        for (int i = 0; i < 4; ++i) {
            const fake::RegKey* labels = run.FindKey(CustomLabelsKey(installOrder[i]));
            ASSERT_NE(labels, nullptr) << installOrder[i];
            EXPECT_EQ(labels->values.size(), i == k ? 0u : static_cast<std::size_t>(LABEL_COUNT))
                << installOrder[i];
        }
        EXPECT_EQ(run.boxes.back().caption, u"Application Error");
    }
}

TEST_F(RunInstallerTest, EachVersionGetsTheRecordSetOfItsGeneration) {
    Have({"9.0", "11.0"});
    fake.answers = {win::IDYES};
    Run();
    const fake::RegValue* old = fake.FindValue(CustomLabelsKey("9.0"), "Velkaris     L-16");
    const fake::RegValue* newer = fake.FindValue(CustomLabelsKey("11.0"), "Velkaris     L-16");
    ASSERT_NE(old, nullptr);
    ASSERT_NE(newer, nullptr);
    EXPECT_EQ(old->data, RecordBytes(PACK[3], RecordSet::Word80));
    EXPECT_EQ(newer->data, RecordBytes(PACK[3], RecordSet::Word100));
}

TEST_F(RunInstallerTest, OnlyWord12TouchesNoRegistryValue) {
    Have({"12.0"});
    fake.answers = {win::IDYES};
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(fake.CallCount("RegSetValueExA"), 0);
    EXPECT_EQ(fake.CallCount("RegCreateKeyExA"), 0);
    EXPECT_EQ(fake.CallCount("SHGetSpecialFolderPathW"), 1);
}

// Records, in order, the Word keys opened, the boxes shown and the files renamed
// into place, which is when the label file is written.
class StepRecordingPlatform : public fake::FakePlatform {
public:
    std::vector<std::string> steps;

    std::int32_t RegOpenKeyExA(KeyHandle base, const std::string& subKey, std::uint32_t options,
                               std::uint32_t access, KeyHandle& result) override {
        steps.push_back("open " + subKey);
        return FakePlatform::RegOpenKeyExA(base, subKey, options, access, result);
    }
    std::int32_t MessageBoxW(const std::u16string& text, const std::u16string& caption,
                             std::uint32_t style) override {
        steps.push_back(text == Utf16(program_testing::QUESTION_UTF8) ? "question" : "box");
        return FakePlatform::MessageBoxW(text, caption, style);
    }
    bool MoveFileExW(const std::u16string& from, const std::u16string& to,
                     std::uint32_t flags) override {
        steps.push_back("write " + *fake::Utf8Of(to));
        return FakePlatform::MoveFileExW(from, to, flags);
    }
};

std::string OpenOf(const char* version) { return "open " + WordKey(version) + "\\"; }
const std::string WRITE_LABEL_FILE =
    "write C:\\Users\\anna\\AppData\\Roaming\\Microsoft\\Office\\pg_custom.xml";

std::vector<std::string> Probes() {
    std::vector<std::string> probes;
    for (const char* v : {"8.0", "9.0", "10.0", "11.0", "12.0", "14.0", "15.0", "16.0"}) {
        probes.push_back(OpenOf(v));
    }
    return probes;
}

TEST(RunInstallerStepsTest, OnlyWord12ProbesEveryVersionAscendingAsksAndWritesTheFile) {
    StepRecordingPlatform run;
    run.AddKey(WordKey("12.0"));
    run.answers = {win::IDYES};
    EXPECT_EQ(RunProgram(run), 0);
    std::vector<std::string> expected = Probes();
    for (const std::string& step : {std::string("question"), OpenOf("12.0"), WRITE_LABEL_FILE,
                                   std::string("box")}) {
        expected.push_back(step);
    }
    EXPECT_EQ(run.steps, expected);
    EXPECT_TRUE(run.files.Exists(WRITE_LABEL_FILE.substr(6)));
}

TEST(RunInstallerStepsTest, AllFiveVersionsGetTheLabelFileFirstThenEveryRegistryVersion) {
    StepRecordingPlatform run;
    for (const char* v : {"8.0", "9.0", "10.0", "11.0", "12.0"}) run.AddKey(WordKey(v));
    run.answers = {win::IDYES};
    EXPECT_EQ(RunProgram(run), 0);
    std::vector<std::string> expected = Probes();
    for (const std::string& step : {std::string("question"), OpenOf("12.0"), WRITE_LABEL_FILE,
                                   OpenOf("11.0"), OpenOf("10.0"), OpenOf("9.0"), OpenOf("8.0"),
                                   std::string("box")}) {
        expected.push_back(step);
    }
    EXPECT_EQ(run.steps, expected);
    EXPECT_TRUE(run.files.Exists(WRITE_LABEL_FILE.substr(6)));
    for (const char* v : {"8.0", "9.0", "10.0", "11.0"}) {
        const fake::RegKey* labels = run.FindKey(CustomLabelsKey(v));
        ASSERT_NE(labels, nullptr) << v;
        EXPECT_EQ(labels->values.size(), static_cast<std::size_t>(LABEL_COUNT)) << v;
    }
}

TEST_F(RunInstallerTest, FreesTheNavigatorAtTheNormalEnd) {
    Have({"10.0"});
    fake.answers = {win::IDYES};
    Run();
    EXPECT_EQ(fake.OpenKeyCount(), 0u);
    EXPECT_TRUE(fake.misuse.empty());
}

TEST_F(RunInstallerTest, RefusedValueEndsTheRunInTheReportAfterTheOtherVersions) {
    Have({"8.0", "11.0"});
    fake.answers = {win::IDYES};
    fake.FailCall("RegSetValueExA", 3);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(fake.exitCode, 1u);
    ASSERT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(fake.boxes[1].caption, u"Application Error");
    EXPECT_EQ(fake.boxes[1].style, 0x2010u);
    EXPECT_NE(fake.boxes[1].text.find(u"Failed to set data for 'Velkaris     L-14'."),
              std::u16string::npos);
    // What was written before the failure stays; the later version is installed.
    const fake::RegKey* newest = fake.FindKey(CustomLabelsKey("11.0"));
    ASSERT_NE(newest, nullptr);
    EXPECT_EQ(newest->values.size(), 2u);
    EXPECT_TRUE(HasLabels("8.0"));
    // Nothing is freed before the process ends.
    EXPECT_EQ(fake.openKeysAtExit, 1u);
}

TEST_F(RunInstallerTest, UnopenableCustomLabelsStopsWithoutWritingIntoTheWordKey) {
    Have({"10.0"});
    fake.AddKey(CustomLabelsKey("10.0")).readOnly = true;
    fake.answers = {win::IDYES};
    EXPECT_EQ(Run(), 1);
    EXPECT_TRUE(fake.FindKey(WordKey("10.0"))->values.empty());
    ASSERT_EQ(fake.boxes.size(), 2u);
    EXPECT_NE(fake.boxes[1].text.find(u"ERegistryException"), std::u16string::npos);
    EXPECT_NE(fake.boxes[1].text.find(
                  u"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Word\\Custom Labels"),
              std::u16string::npos);
}

TEST_F(RunInstallerTest, SecondRunOverwritesTheSameValuesAndKeepsOthers) {
    Have({"11.0"});
    fake.AddKey(CustomLabelsKey("11.0")).values["My own label"] = fake::RegValue{3, "mine"};
    fake.answers = {win::IDYES, fake::windows::IDOK, win::IDYES};
    Run();
    const fake::RegKey first = *fake.FindKey(CustomLabelsKey("11.0"));
    Run();
    const fake::RegKey* second = fake.FindKey(CustomLabelsKey("11.0"));
    EXPECT_EQ(second->values.size(), static_cast<std::size_t>(LABEL_COUNT) + 1);
    for (const auto& [name, value] : first.values) {
        EXPECT_EQ(second->values.at(name).data, value.data) << name;
    }
    EXPECT_EQ(second->values.at("My own label").data, "mine");
}

// Whole runs from their command lines, with a label file holding one product of
// the user's: the exit code, the boxes, what was installed and what the log holds.
struct CommandLineRun {
    const char16_t* arguments;
    const char* words;      // Word versions present, space-separated
    const char* condition;  // "held" label file, "denied" 11.0 key, "system" account, "no desktop"
    int exitCode;
    const char* installed;    // the versions that got the labels
    const char* boxes;        // each box's style in hex, space-separated
    const char* boxTextUtf8;  // the start of the last box's text (a report's without position)
    std::string logUtf8;      // lines the log holds in order after its first, each one's start
};

const char* const LOG = "C:\\Users\\anna\\velkaris.log";
const char* const STARTED =
    "2024-05-06 07:08:09 [4242] velkaris-labels 1.0.0 started by user anna on computer PC-ANNA\r\n";
const char* const INSTALLED_12 =
    "Word 12.0: label file C:\\Users\\anna\\AppData\\Roaming\\Microsoft\\Office\\pg_custom.xml "
    "written, 1 of the user's products kept, pack added (17 labels)\n";
const char* const INSTALLED_11 =
    "Word 11.0: 17 values written under HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Word\\Custom Labels\n";
#define REPORT(kind) "Exception " kind " in module velkaris-labels.exe at .\r\n"
#define LOGGED(kind) "Failure: Exception " kind " in module velkaris-labels.exe at "

const CommandLineRun COMMAND_LINE_RUNS[] = {
    {u" /quiet /log C:\\Users\\anna\\velkaris.log", "11.0 12.0", "", 0, "11.0 12.0", "", "",
     "Word found: 11.0 12.0\nQuestion skipped (/quiet): taken as Yes\n"
     + std::string(INSTALLED_12) + INSTALLED_11 + "Outcome: installed\nExit code 0"},
    // Word 12.0 fails, 11.0 is installed all the same; the report after all of them.
    {u" -QUIET -Log C:\\Users\\anna\\velkaris.log", "11.0 12.0", "held", 1, "11.0", "", "",
     "Word 12.0: " LOGGED("EFOpenError") "\nWord 12.0: Failure: Cannot open file \"C:\\Users\\anna\\AppData\\"
     "\nWord 12.0: What to do: close Word\n" + std::string(INSTALLED_11) +
     "Outcome: failed for Word 12.0\nExit code 1"},
    {u" /bogus", "11.0", "", 87, "", "30", "Nieprawidłowy przełącznik: /bogus\r\rPakiet etykiet", ""},
    {u" /quiet /bogus /log C:\\Users\\anna\\velkaris.log", "11.0", "", 87, "", "", "",
     "Outcome: bad command line, /bogus not understood, nothing changed\nExit code 87"},
    // /log forgot its file: /quiet still holds, nothing is logged anywhere.
    {u" /log /quiet", "11.0", "", 87, "", "", "", ""},
    {u" /log C:\\nowhere\\velkaris.log /bogus", "11.0", "", 87, "", "30", "Nieprawidłowy przełącznik: /bogus\r", ""},
    {u" /quiet /log C:\\USERS\\ANNA\\appdata\\Roaming\\Microsoft\\Office\\PG_CUSTOM.XML", "11.0 12.0", "", 87,
     "", "", "", ""},
    {u" /x123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "11.0", "", 87, "", "30",
     "Nieprawidłowy przełącznik: /x123456789012345678901234567890123456789012345678901234567890123456789012345678…\r\r", ""},
    {u" /?", "11.0", "", 0, "", "40",
     "Pakiet etykiet marki Velkaris dla programu MS Word 97-2007\r\rPrzełączniki:", ""},
    {u" /quiet /help", "11.0", "", 0, "", "", "", ""},
    {u" /log C:\\nowhere\\velkaris.log", "11.0", "", 1, "", "2010",
     REPORT("EFCreateError") "Cannot create file \"C:\\nowhere\\velkaris.log\". The system cannot find the path specified.",
     ""},
    {u" /uninstall /log C:\\Users\\anna\\velkaris.log", "11.0 12.0", "", 0, "", "24 40040",
     "Pakiet etykiet marki Velkaris nie jest zainstalowany.",
     "Word found: 11.0 12.0\nAnswered Yes\nWord 12.0: label file C:\\Users\\anna\\AppData\\Roaming\\Microsoft\\"
     "Office\\pg_custom.xml holds none of the pack's products as installed, not rewritten\n"
     "Word 11.0: 0 values removed under HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Word\\Custom Labels\n"
     "Outcome: the pack was not installed, nothing removed\nExit code 0"},
    {u" /log C:\\Users\\anna\\velkaris.log", "16.0 14.0", "", 0, "", "40030",
     "Zainstalowana wersja programu MS Word nie jest obsługiwana\rInstalacja",
     "Word found: none of 8.0 to 12.0; newer, not supported: 14.0 16.0\n"
     "Outcome: only a Word newer than the pack supports, nothing to do\nExit code 0"},
    {u" /log C:\\Users\\anna\\velkaris.log", "11.0 16.0", "", 0, "11.0", "24 40040",
     "Etykiety zostały zainstalowane\rŻyczymy miłej pracy!\rZainstalowana jest również nowsza wersja",
     "Word found: 11.0; newer, not supported: 16.0\nAnswered Yes\n" + std::string(INSTALLED_11) +
     "Outcome: installed; Word 16.0 is newer than the pack supports and got nothing\nExit code 0"},
    {u" /log C:\\Users\\anna\\velkaris.log", "11.0", "system", 1, "", "2010",
     REPORT("EOSError") "The program runs as the LocalSystem account (SYSTEM).",
     LOGGED("EOSError") "\nFailure: The program runs as\nWhat to do: run the program as the user\nExit code 1"},
    {u" /log C:\\Users\\anna\\velkaris.log", "11.0", "no desktop", 1, "", "", "",
     "Word found: 11.0\n" LOGGED("EOSError") "\nFailure: Cannot show the question box. Access is denied.\n"
     "What to do: run the program in the user's session\nExit code 1"},
    {u" /log C:\\Users\\anna\\velkaris.log", "11.0", "denied", 1, "", "24 2010",
     REPORT("ERegistryException")
     "Cannot open key 'HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Word' with full access. Access is denied.",
     "Word found: 11.0\nAnswered Yes\nWord 11.0: " LOGGED("ERegistryException") "\n"
     "Word 11.0: Failure: Cannot open key\nWord 11.0: What to do: the user may not change this registry key\n"
     "Outcome: failed for Word 11.0\nExit code 1"},
};
#undef REPORT
#undef LOGGED

TEST(CommandLineRunTest, SwitchesAndConditionsEndAsTheRowSays) {
    const std::string labelFile = "C:\\Users\\anna\\AppData\\Roaming\\Microsoft\\Office\\pg_custom.xml";
    const std::string userFile =
        "<?xml version=\"1.0\"?><vps><vendorProductSets><vendorProductSet vendorID=\"0\">\r\n"
        "\t<product units=\"emu\" productID=\"1\" layoutGroup=\"all\">\r\n\t</product>\r\n"
        "</vendorProductSet></vendorProductSets></vps>\r\n";
    for (const CommandLineRun& row : COMMAND_LINE_RUNS) {
        const std::u16string arguments = row.arguments;
        SCOPED_TRACE(std::string(arguments.begin(), arguments.end()) + " " + row.condition);
        fake::FakePlatform run;
        run.commandLine = u"\"C:\\Users\\anna\\Downloads\\velkaris-labels.exe\"" + arguments;
        std::istringstream words(row.words);
        for (std::string version; words >> version;) run.AddKey(WordKey(version));
        run.files.AddFolder("C:\\Users\\anna");
        run.files.WriteFileBytes(labelFile, userFile);
        const std::string condition = row.condition;
        if (condition == "held") run.files.HoldOpen(labelFile);
        if (condition == "denied") run.AddKey(WordKey("11.0")).readOnly = true;
        run.localSystem = condition == "system";
        for (int box = 1; box <= 4 && condition == "no desktop"; ++box) run.FailCall("MessageBoxW", box);
        run.answers = {win::IDYES, fake::windows::IDOK, win::IDYES, fake::windows::IDOK};

        EXPECT_EQ(RunProgram(run), row.exitCode);
        std::string styles;
        for (const fake::ShownBox& box : run.boxes) {
            styles += (styles.empty() ? "" : " ") + (std::ostringstream() << std::hex << std::uppercase
                                                                          << box.style).str();
        }
        EXPECT_EQ(styles, row.boxes);
        if (!run.boxes.empty()) {
            const std::u16string start = fake::Utf16Of(row.boxTextUtf8).value();
            std::u16string shown = run.boxes.back().text;
            if (shown.rfind(u"Exception ", 0) == 0) shown.erase(shown.find(u" at ") + 4, 8);  // the code position
            EXPECT_EQ(shown.substr(0, start.size()), start);
        }
        const std::string installed = row.installed;
        EXPECT_EQ(run.FindKey(CustomLabelsKey("11.0")) != nullptr, installed.find("11.0") != std::string::npos);
        EXPECT_EQ(run.files.ReadFileBytes(labelFile) != userFile, installed.find("12.0") != std::string::npos);
        const std::string lines = row.logUtf8;
        EXPECT_EQ(run.files.Exists(LOG), !lines.empty());
        if (!lines.empty()) {
            const std::string log = run.files.ReadFileBytes(LOG);
            EXPECT_EQ(log.rfind(STARTED, 0), 0u) << log;
            std::size_t at = 0;
            std::istringstream expected(lines);
            for (std::string line; std::getline(expected, line);) {
                at = log.find("\r\n2024-05-06 07:08:09 [4242] " + line, at);
                EXPECT_NE(at, std::string::npos) << line << "\n" << log;
            }
            EXPECT_EQ(RunProgram(run), row.exitCode);  // a second run appends
            EXPECT_EQ(run.files.ReadFileBytes(LOG).find(STARTED, log.size()), log.size());
        }
        EXPECT_TRUE(run.misuse.empty());
    }
}

}  // namespace
}  // namespace velkaris

// Before the program does anything else, the DLL search is limited to the system
// folder, so that no DLL planted beside a downloaded program gets loaded.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "installer/failure_report.h"
#include "installer/program_entry.h"
#include "unit/program_test_support.h"

namespace velkaris {
namespace {

using program_testing::CustomLabelsKey;
using program_testing::WordKey;

struct RunKind {
    const char* name;
    const char* word;        // the Word version present; null for none
    bool refusedLabelsKey;   // its Custom Labels key refuses full access
    std::int32_t answer;
    int exitCode;
    std::size_t boxCount;
};

const RunKind RUN_KINDS[] = {
    {"Yes", "11.0", false, fake::windows::IDYES, 0, 2},
    {"No", "11.0", false, fake::windows::IDNO, 0, 1},
    {"no Word", nullptr, false, fake::windows::IDOK, 0, 1},
    {"Yes, then a failed install", "10.0", true, fake::windows::IDYES, 1, 2},
};

// Runs the program with the given platform calls failing on their first use, as on
// a Windows that lacks them.
std::unique_ptr<fake::FakePlatform> RunProgram(const RunKind& kind, std::vector<std::string> missing) {
    auto fake = std::make_unique<fake::FakePlatform>();
    if (kind.word != nullptr) fake->AddKey(WordKey(kind.word));
    if (kind.refusedLabelsKey) fake->AddKey(CustomLabelsKey(kind.word)).readOnly = true;
    fake->answers = {kind.answer};
    for (const std::string& call : missing) fake->FailCall(call);
    EXPECT_EQ(RunProgram(*fake), kind.exitCode);
    EXPECT_EQ(fake->boxes.size(), kind.boxCount);
    return fake;
}

std::vector<std::string> Head(const fake::FakePlatform& fake, std::size_t count) {
    const std::vector<std::string>& calls = fake.Calls();
    return {calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(std::min(count, calls.size()))};
}

std::vector<std::string> Tail(const fake::FakePlatform& fake, std::size_t from) {
    const std::vector<std::string>& calls = fake.Calls();
    return {calls.begin() + static_cast<std::ptrdiff_t>(std::min(from, calls.size())), calls.end()};
}

// The restriction, then the three libraries loaded from the system folder.
constexpr std::size_t USUAL_SEARCH_CALLS = 4;

// The rest of the run is the same call for call, box for box, whatever the DLL
// search calls did.
void ExpectSameRun(const fake::FakePlatform& run, std::size_t searchCalls,
                   const fake::FakePlatform& usual) {
    EXPECT_EQ(Tail(run, searchCalls), Tail(usual, USUAL_SEARCH_CALLS));
    ASSERT_EQ(run.boxes.size(), usual.boxes.size());
    for (std::size_t i = 0; i < run.boxes.size(); ++i) {
        EXPECT_EQ(run.boxes[i].text, usual.boxes[i].text);
        EXPECT_EQ(run.boxes[i].style, usual.boxes[i].style);
    }
    EXPECT_EQ(run.exitCode, usual.exitCode);
}

TEST(DllSearchTest, IsLimitedToTheSystemFolderByTheFirstCallOfEveryRun) {
    for (const RunKind& kind : RUN_KINDS) {
        SCOPED_TRACE(kind.name);
        const auto fake = RunProgram(kind, {});
        ASSERT_FALSE(fake->Calls().empty());
        EXPECT_EQ(fake->Calls().front(), "SetDefaultDllDirectories");
        EXPECT_EQ(fake->defaultDllDirectories, 0x800u);
        EXPECT_EQ(fake->CallCount("SetDefaultDllDirectories"), 1);
        EXPECT_EQ(fake->CallCount("SetDllDirectoryW"), 0);  // no fallback when not needed
    }
}

TEST(DllSearchTest, LoadsWhatWindowsLoadsByNameLaterFromTheSystemFolderRightAfter) {
    for (const RunKind& kind : RUN_KINDS) {
        SCOPED_TRACE(kind.name);
        const auto fake = RunProgram(kind, {});
        EXPECT_EQ(Head(*fake, USUAL_SEARCH_CALLS),
                  (std::vector<std::string>{"SetDefaultDllDirectories", "LoadLibraryExW",
                                            "LoadLibraryExW", "LoadLibraryExW"}));
        EXPECT_EQ(fake->loadedLibraries,
                  (std::vector<std::u16string>{u"version.dll", u"uxtheme.dll", u"msimg32.dll"}));
        EXPECT_TRUE(fake->misuse.empty());  // the fake refuses any load that searches
        // A library that cannot be loaded changes nothing else.
        const auto missing = RunProgram(kind, {"LoadLibraryExW"});
        ExpectSameRun(*missing, USUAL_SEARCH_CALLS, *fake);
    }
}

TEST(DllSearchTest, WithoutSetDefaultDllDirectoriesTheCurrentFolderIsTakenOutNext) {
    for (const RunKind& kind : RUN_KINDS) {
        SCOPED_TRACE(kind.name);
        const auto usual = RunProgram(kind, {});
        const auto fake = RunProgram(kind, {"SetDefaultDllDirectories"});
        EXPECT_EQ(Head(*fake, 2),
                  (std::vector<std::string>{"SetDefaultDllDirectories", "SetDllDirectoryW"}));
        EXPECT_EQ(fake->dllDirectory, std::u16string());
        EXPECT_EQ(fake->CallCount("SetDllDirectoryW"), 1);
        // Without the restriction, the flag that loads from the system folder is unknown.
        EXPECT_EQ(fake->CallCount("LoadLibraryExW"), 0);
        ExpectSameRun(*fake, 2, *usual);
    }
}

TEST(DllSearchTest, AWindowsWithNeitherCallStillInstalls) {
    for (const RunKind& kind : RUN_KINDS) {
        SCOPED_TRACE(kind.name);
        const auto usual = RunProgram(kind, {});
        const auto fake = RunProgram(kind, {"SetDefaultDllDirectories", "SetDllDirectoryW"});
        EXPECT_EQ(Head(*fake, 2),
                  (std::vector<std::string>{"SetDefaultDllDirectories", "SetDllDirectoryW"}));
        ExpectSameRun(*fake, 2, *usual);
        if (kind.word != nullptr && !kind.refusedLabelsKey && kind.answer == fake::windows::IDYES) {
            EXPECT_EQ(fake->FindKey(CustomLabelsKey(kind.word))->values.size(), 17u);
        }
    }
}

}  // namespace
}  // namespace velkaris

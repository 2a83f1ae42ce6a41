#include "installer/failure_report.h"
#include "installer/program_entry.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <optional>
#include <stdexcept>
#include <utility>

#include "fake/fake_platform.h"
#include "platform/win_values.h"
#include "program_test_support.h"

namespace velkaris {
namespace {

TEST(FailureReportTextTest, FollowsTheReportFormat) {
    EXPECT_EQ(FailureReportText("ERegistryException", "velkaris-labels.exe", 0x4012AB,
                                "Failed to set data for 'Velkaris     L-15'"),
              "Exception ERegistryException in module velkaris-labels.exe at 004012AB.\r\n"
              "Failed to set data for 'Velkaris     L-15'.\r\n");
}

TEST(FailureReportTextTest, AddsAPeriodOnlyWhenTheMessageLacksOne) {
    EXPECT_EQ(FailureReportText("EWriteError", "a.exe", 0, "Stream write error"),
              "Exception EWriteError in module a.exe at 00000000.\r\nStream write error.\r\n");
    EXPECT_EQ(FailureReportText("EWriteError", "a.exe", 0, "Done."),
              "Exception EWriteError in module a.exe at 00000000.\r\nDone.\r\n");
    EXPECT_EQ(FailureReportText("EWriteError", "a.exe", 0, ""),
              "Exception EWriteError in module a.exe at 00000000.\r\n\r\n");
}

TEST(FailureReportTextTest, PrintsTheAddressAsEightUpperCaseHexDigits) {
    const std::string text = FailureReportText("E", "m", 0xdeadbeefu, "x");
    EXPECT_NE(text.find(" at DEADBEEF."), std::string::npos);
}

TEST(FailureReportTextTest, IsCutTo1023CharactersCountedAsTheBoxCountsThem) {
    const std::string head = "Exception EFCreateError in module m.exe at 00000001.\r\n";  // 54
    const auto report = [](const std::string& message) {
        return FailureReportText("EFCreateError", "m.exe", 1, message);
    };
    const auto repeated = [](const char* text, int count) {
        std::string result;
        while (count-- > 0) result += text;
        return result;
    };
    EXPECT_EQ(report(std::string(2000, 'p')), head + std::string(969, 'p'));
    // In UTF-16 units: "ł" is one (two bytes), "𝄞" two, and never cut in half.
    EXPECT_EQ(report(repeated("ł", 2000)), head + repeated("ł", 969));
    EXPECT_EQ(report(repeated("𝄞", 1000)), head + repeated("𝄞", 484));
}

class FailureReportRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake.AddKey(program_testing::WordKey("11.0"));
        fake.answers = {win::IDYES};
    }
    const fake::ShownBox& Report() const { return fake.boxes.back(); }
    fake::FakePlatform fake;
};

TEST_F(FailureReportRunTest, ShowsTheProgramFileNameWithoutItsFolderAndExitsWithOne) {
    fake.moduleFileName = "C:\\Users\\anna\\Pobrane\\velkaris-labels.exe";
    fake.FailCall("RegSetValueExA");
    EXPECT_EQ(RunProgram(fake), 1);
    EXPECT_EQ(fake.exitCode, 1u);
    EXPECT_EQ(Report().caption, u"Application Error");
    EXPECT_EQ(Report().style, 0x2010u);
    const std::string text = fake::Utf8Of(Report().text).value();
    const std::string head = "Exception ERegistryException in module velkaris-labels.exe at ";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(head.size() + 8), ".\r\nFailed to set data for 'Velkaris     L-15'.\r\n");
    EXPECT_EQ(text.substr(head.size(), 8).find_first_not_of("0123456789ABCDEF"), std::string::npos);
}

// Memory running out inside a platform call is the only place a test can force it.
class ExhaustedPlatform : public fake::FakePlatform {
public:
    explicit ExhaustedPlatform(std::function<void()> runOut) : runOut_(std::move(runOut)) {}
    std::int32_t RegSetValueExA(KeyHandle, const std::string&, std::uint32_t,
                                const std::uint8_t*, std::uint32_t) override {
        runOut_();
        return 0;
    }

private:
    std::function<void()> runOut_;
};

// The report of a shortage that leaves the flow, and the exit code.
std::pair<std::string, std::optional<std::uint32_t>> ReportOfShortage(
    std::function<void()> runOut) {
    ExhaustedPlatform exhausted(std::move(runOut));
    exhausted.AddKey(program_testing::WordKey("11.0"));
    exhausted.answers = {win::IDYES};
    EXPECT_EQ(RunProgram(exhausted), 1);
    EXPECT_EQ(exhausted.boxes.size(), 2u);
    if (exhausted.boxes.empty()) return {std::string(), exhausted.exitCode};
    EXPECT_EQ(exhausted.boxes.back().caption, u"Application Error");
    return {fake::Utf8Of(exhausted.boxes.back().text).value(), exhausted.exitCode};
}

// No address is known for a shortage: it is reported at zero.
const char* const OUT_OF_MEMORY_REPORT =
    "Exception EOutOfMemory in module velkaris-labels.exe at 00000000.\r\nOut of memory.\r\n";

TEST(FailureReportShortageTest, RunningOutOfMemoryIsReportedAsOutOfMemoryAtZero) {
    const auto [text, exitCode] = ReportOfShortage([] { throw std::bad_alloc(); });
    EXPECT_EQ(text, OUT_OF_MEMORY_REPORT);
    EXPECT_EQ(exitCode, 1u);
}

TEST(FailureReportShortageTest, ASizeTooLargeToHoldIsReportedAsOutOfMemoryAtZero) {
    const auto [text, exitCode] =
        ReportOfShortage([] { throw std::length_error("basic_string::_M_create"); });
    EXPECT_EQ(text, OUT_OF_MEMORY_REPORT);
    EXPECT_EQ(exitCode, 1u);
}

TEST_F(FailureReportRunTest, AReportThatCannotBeShownStillEndsWithCodeOne) {
    fake.FailCall("RegSetValueExA");
    fake.FailCall("MessageBoxW", 2);  // after the question
    EXPECT_EQ(RunProgram(fake), 1);
    EXPECT_EQ(fake.exitCode, 1u);
}

}  // namespace
}  // namespace velkaris

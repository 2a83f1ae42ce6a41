#include "services/system_error_text.h"

#include <gtest/gtest.h>

#include <string>

#include "fake/fake_platform.h"

namespace velkaris {
namespace {

TEST(SystemErrorText, DropsTheFinalPeriodAndLineBreak) {
    fake::FakePlatform fake;
    EXPECT_EQ(SystemErrorText(fake, 2), "The system cannot find the file specified");
}

TEST(SystemErrorText, DropsEveryTrailingPeriodAndControl) {
    fake::FakePlatform fake;
    fake.files.messageTexts[4000] = "Odd. Text . .\t ";
    EXPECT_EQ(SystemErrorText(fake, 4000), "Odd. Text");
}

TEST(SystemErrorText, IsEmptyWhenThePlatformHasNoText) {
    fake::FakePlatform fake;
    EXPECT_EQ(SystemErrorText(fake, 4001), "");
}

TEST(SystemErrorText, IsEmptyWhenTheTextDoesNotFitItsBuffer) {
    fake::FakePlatform fake;
    fake.files.messageTexts[4002] = std::string(300, 'x');
    EXPECT_EQ(SystemErrorText(fake, 4002), "");
}

}  // namespace
}  // namespace velkaris

#include "services/message_boxes.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "unit/program_test_support.h"

namespace velkaris {
namespace {

using program_testing::Utf16;

TEST(ShowMessageBoxTest, ConvertsWindows1250TextToUtf16AndReturnsTheAnswer) {
    fake::FakePlatform fake;
    fake.answers = {fake::windows::IDNO};
    EXPECT_EQ(ShowMessageBox(fake, "\xE6\xBF\xB3\xAF\r!", "Caption \xB9", 0x24),
              fake::windows::IDNO);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_TRUE(fake.boxes[0].wide);
    EXPECT_EQ(fake.boxes[0].text, Utf16("ćżłŻ\r!"));
    EXPECT_EQ(fake.boxes[0].caption, Utf16("Caption ą"));
    EXPECT_EQ(fake.boxes[0].style, 0x24u);
}

TEST(ShowMessageBoxTest, FailedConversionShowsTheBytesThroughTheAnsiCallNotAnEmptyBox) {
    for (int failing : {1, 2}) {  // the text's conversion, then the caption's
        fake::FakePlatform fake;
        fake.FailCall("MultiByteToWideChar", failing);
        fake.answers = {fake::windows::IDYES};
        EXPECT_EQ(ShowMessageBox(fake, "Czy \xBF?", "Velkaris", 0x24), fake::windows::IDYES);
        ASSERT_EQ(fake.boxes.size(), 1u);
        EXPECT_FALSE(fake.boxes[0].wide);
        EXPECT_EQ(fake.boxes[0].ansiText, "Czy \xBF?");
        EXPECT_EQ(fake.boxes[0].ansiCaption, "Velkaris");
        EXPECT_EQ(fake.boxes[0].style, 0x24u);
    }
}

TEST(ShowMessageBoxTest, BoxThatCannotBeShownAnswersZero) {
    fake::FakePlatform fake;
    fake.FailCall("MessageBoxW");
    EXPECT_EQ(ShowMessageBox(fake, "x", "y", 0x24), 0);
}

TEST(ShowSystemMessageBoxTest, ShowsUtf8TextThroughTheWideCallWhateverTheCodePage) {
    fake::FakePlatform fake;
    ShowSystemMessageBox(fake, "C:\\Michał\\Олеся\\𝄞\r\n", "Application Error", 0x2010);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_TRUE(fake.boxes[0].wide);
    EXPECT_EQ(fake.boxes[0].text, u"C:\\Michał\\Олеся\\𝄞\r\n");
    EXPECT_EQ(fake.boxes[0].caption, u"Application Error");
    EXPECT_EQ(fake.boxes[0].style, 0x2010u);
}

}  // namespace
}  // namespace velkaris

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

TEST(SystemErrorText, AsksForTheSystemsTextIntoItsOwnBufferLeavingInsertsAlone) {
    // Windows' FORMAT_MESSAGE_* numbers; the fake looks at FROM_SYSTEM only.
    constexpr std::uint32_t ALLOCATE_BUFFER = 0x100, IGNORE_INSERTS = 0x200, FROM_STRING = 0x400,
                            FROM_HMODULE = 0x800, FROM_SYSTEM = 0x1000;
    class FlagRecordingPlatform : public fake::FakePlatform {
    public:
        std::uint32_t flags = 0;
        std::uint32_t FormatMessageW(std::uint32_t f, std::uint32_t id, std::uint32_t language,
                                     char16_t* buffer, std::uint32_t size) override {
            flags = f;
            return FakePlatform::FormatMessageW(f, id, language, buffer, size);
        }
    } platform;
    // A text with an insert, as some system texts have, comes back as it stands.
    platform.files.messageTexts[4003] = "The file %1 is busy.";
    EXPECT_EQ(SystemErrorText(platform, 4003), "The file %1 is busy");
    EXPECT_EQ(platform.flags & (FROM_SYSTEM | IGNORE_INSERTS), FROM_SYSTEM | IGNORE_INSERTS);
    EXPECT_EQ(platform.flags & (ALLOCATE_BUFFER | FROM_STRING | FROM_HMODULE), 0u);
}

TEST(SystemErrorText, DropsEveryTrailingPeriodAndControl) {
    fake::FakePlatform fake;
    fake.files.messageTexts[4000] = "Odd. Text . .\t ";
    EXPECT_EQ(SystemErrorText(fake, 4000), "Odd. Text");
    // A Polish or Ukrainian Windows' own wording comes through whole, in UTF-8.
    fake.files.messageTexts[5] = "Odmowa dostępu.";
    EXPECT_EQ(SystemErrorText(fake, 5), "Odmowa dostępu");
    fake.files.messageTexts[5] = "Відмовлено в доступі.";
    EXPECT_EQ(SystemErrorText(fake, 5), "Відмовлено в доступі");
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

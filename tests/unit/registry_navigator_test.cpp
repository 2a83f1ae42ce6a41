#include "services/registry_navigator.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "platform/win_values.h"
#include "text/errors.h"

namespace velkaris {
namespace {

const char* const WORD_11 = "\\Software\\Microsoft\\Office\\11.0\\Word\\";
// Windows' number for binary data, written out here: the fake stores any type.
constexpr std::uint32_t REG_BINARY = 3;

class RegistryNavigatorTest : public ::testing::Test {
protected:
    void SetUp() override { fake.AddKey("Software\\Microsoft\\Office\\11.0\\Word"); }

    void Write(RegistryNavigator& registry, const std::string& name, const std::string& bytes) {
        registry.WriteBinaryValue(name, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                  static_cast<std::int32_t>(bytes.size()));
    }

    fake::FakePlatform fake;
};

TEST_F(RegistryNavigatorTest, StartsAtTheCurrentUserRootWithNoKeyOpenAndTouchesNothing) {
    RegistryNavigator registry(fake);
    EXPECT_EQ(registry.OpenHandle(), 0u);
    EXPECT_EQ(registry.KeyPath(), "");
    EXPECT_TRUE(fake.Calls().empty());
}

TEST_F(RegistryNavigatorTest, AbsolutePathLosesOneBackslashAndKeepsItsTrailingOne) {
    RegistryNavigator registry(fake);
    ASSERT_TRUE(registry.SelectKey(WORD_11, false));
    EXPECT_NE(registry.OpenHandle(), 0u);
    EXPECT_EQ(registry.KeyPath(), "Software\\Microsoft\\Office\\11.0\\Word\\");
}

TEST_F(RegistryNavigatorTest, RelativeCreateUnderVersionKeyGivesDoubleBackslashInTrackedPath) {
    RegistryNavigator registry(fake);
    ASSERT_TRUE(registry.SelectKey(WORD_11, false));
    ASSERT_TRUE(registry.SelectKey("Custom Labels", true));
    EXPECT_EQ(registry.KeyPath(), "Software\\Microsoft\\Office\\11.0\\Word\\\\Custom Labels");
    EXPECT_NE(fake.FindKey("Software\\Microsoft\\Office\\11.0\\Word\\Custom Labels"), nullptr);
}

TEST_F(RegistryNavigatorTest, AbsolutePathWhileAKeyIsOpenIsResolvedAgainstTheRoot) {
    fake.AddKey("Software\\Other");
    RegistryNavigator registry(fake);
    ASSERT_TRUE(registry.SelectKey(WORD_11, false));
    ASSERT_TRUE(registry.SelectKey("\\Software\\Other", false));
    EXPECT_EQ(registry.KeyPath(), "Software\\Other");
}

TEST_F(RegistryNavigatorTest, RelativePathWithNoKeyOpenIsResolvedAgainstTheRoot) {
    RegistryNavigator registry(fake);
    ASSERT_TRUE(registry.SelectKey("Software\\Microsoft", false));
    EXPECT_EQ(registry.KeyPath(), "Software\\Microsoft");
}

TEST_F(RegistryNavigatorTest, EmptyPathReopensTheCurrentKeyAndNeverCreates) {
    RegistryNavigator registry(fake);
    ASSERT_TRUE(registry.SelectKey("Software", false));
    const KeyHandle first = registry.OpenHandle();
    ASSERT_TRUE(registry.SelectKey("", true));
    EXPECT_NE(registry.OpenHandle(), first);
    EXPECT_EQ(registry.KeyPath(), "Software\\");
    EXPECT_EQ(fake.CallCount("RegCreateKeyExA"), 0);
    EXPECT_EQ(fake.OpenKeyCount(), 1u);
}

TEST_F(RegistryNavigatorTest, EmptyPathOrSingleBackslashWithNoKeyOpenOpensTheRoot) {
    RegistryNavigator empty(fake);
    ASSERT_TRUE(empty.SelectKey("", true));
    EXPECT_NE(empty.OpenHandle(), 0u);
    EXPECT_EQ(empty.KeyPath(), "");

    RegistryNavigator backslash(fake);
    ASSERT_TRUE(backslash.SelectKey("\\", true));
    EXPECT_NE(backslash.OpenHandle(), 0u);
    EXPECT_EQ(backslash.KeyPath(), "");
    EXPECT_EQ(fake.CallCount("RegCreateKeyExA"), 0);
}

TEST_F(RegistryNavigatorTest, SecondLeadingBackslashGoesToThePlatform) {
    RegistryNavigator registry(fake);
    EXPECT_FALSE(registry.SelectKey("\\\\Software", false));
    EXPECT_EQ(registry.OpenHandle(), 0u);
}

TEST_F(RegistryNavigatorTest, FailedMoveLeavesThePreviousKeyCurrentAndWritesLandThere) {
    fake.AddKey("Software\\Microsoft\\Office\\11.0\\Word\\Custom Labels").readOnly = true;
    RegistryNavigator registry(fake);
    ASSERT_TRUE(registry.SelectKey(WORD_11, false));
    const KeyHandle versionKey = registry.OpenHandle();

    EXPECT_FALSE(registry.SelectKey("Custom Labels", true));
    EXPECT_EQ(registry.OpenHandle(), versionKey);
    EXPECT_EQ(registry.KeyPath(), "Software\\Microsoft\\Office\\11.0\\Word\\");

    Write(registry, "probe", "x");
    EXPECT_NE(fake.FindValue("Software\\Microsoft\\Office\\11.0\\Word", "probe"), nullptr);
}

TEST_F(RegistryNavigatorTest, ProbingAbsentKeysCreatesNothing) {
    RegistryNavigator registry(fake);
    ASSERT_TRUE(registry.SelectKey(WORD_11, false));
    EXPECT_FALSE(registry.SelectKey("\\Software\\Microsoft\\Office\\8.0\\Word\\", false));
    EXPECT_EQ(fake.FindKey("Software\\Microsoft\\Office\\8.0"), nullptr);
    EXPECT_EQ(registry.KeyPath(), "Software\\Microsoft\\Office\\11.0\\Word\\");
}

TEST_F(RegistryNavigatorTest, HoldsOneHandleAtATimeClosingTheOldOneAfterTheNewOneOpens) {
    {
        RegistryNavigator registry(fake);
        ASSERT_TRUE(registry.SelectKey(WORD_11, false));
        ASSERT_TRUE(registry.SelectKey("Custom Labels", true));
        ASSERT_TRUE(registry.SelectKey("\\Software", false));
        EXPECT_EQ(fake.OpenKeyCount(), 1u);
        const std::vector<std::string> expected = {
            "RegOpenKeyExA", "RegCreateKeyExA", "RegCloseKey", "RegOpenKeyExA", "RegCloseKey"};
        EXPECT_EQ(fake.Calls(), expected);
    }
    EXPECT_EQ(fake.OpenKeyCount(), 0u);
    EXPECT_TRUE(fake.misuse.empty());
}

TEST_F(RegistryNavigatorTest, EveryOpenAndCreateAsksForFullAccess) {
    RegistryNavigator registry(fake);
    registry.SelectKey(WORD_11, false);
    registry.SelectKey("Custom Labels", true);
    EXPECT_TRUE(fake.misuse.empty());  // the fake flags any other access mask
}

TEST_F(RegistryNavigatorTest, KeyThatRefusesFullAccessCountsAsAbsent) {
    fake.AddKey("Software\\Locked").readOnly = true;
    RegistryNavigator registry(fake);
    EXPECT_FALSE(registry.SelectKey("\\Software\\Locked", false));
}

TEST_F(RegistryNavigatorTest, WritesExactlyTheBytesAsBinaryOverwritingAnyType) {
    fake.AddKey("Software\\Microsoft\\Office\\11.0\\Word").values["label"] = {fake::RegValue{1, "old"}};
    RegistryNavigator registry(fake);
    ASSERT_TRUE(registry.SelectKey(WORD_11, false));
    const std::string bytes(44, '\x5a');
    Write(registry, "LABEL", bytes);
    const fake::RegValue* value = fake.FindValue("Software\\Microsoft\\Office\\11.0\\Word", "label");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, REG_BINARY);
    EXPECT_EQ(value->data, bytes);
}

TEST_F(RegistryNavigatorTest, WriteWithNoKeyOpenRaisesRegistryError) {
    RegistryNavigator registry(fake);
    EXPECT_THROW(Write(registry, "x", "y"), ERegistryException);
}

TEST_F(RegistryNavigatorTest, RefusedWriteNamesTheValueAndChangesNothing) {
    fake.FailCall("RegSetValueExA");
    RegistryNavigator registry(fake);
    ASSERT_TRUE(registry.SelectKey(WORD_11, false));
    try {
        Write(registry, "Velkaris     L-15", "x");
        FAIL() << "no error raised";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(error.KindName(), "ERegistryException");
        EXPECT_EQ(error.Message(), "Failed to set data for 'Velkaris     L-15'");
    }
    EXPECT_EQ(registry.KeyPath(), "Software\\Microsoft\\Office\\11.0\\Word\\");
    EXPECT_EQ(fake.FindValue("Software\\Microsoft\\Office\\11.0\\Word", "Velkaris     L-15"), nullptr);
}

TEST_F(RegistryNavigatorTest, ReleaseClosesTheCurrentKeyOnce) {
    RegistryNavigator registry(fake);
    ASSERT_TRUE(registry.SelectKey(WORD_11, false));
    registry.ReleaseCurrentKey();
    EXPECT_EQ(registry.OpenHandle(), 0u);
    EXPECT_EQ(registry.KeyPath(), "");
    registry.ReleaseCurrentKey();
    EXPECT_EQ(fake.CallCount("RegCloseKey"), 1);
    EXPECT_TRUE(fake.misuse.empty());
}

}  // namespace
}  // namespace velkaris

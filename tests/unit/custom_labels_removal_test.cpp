#include "registry_labels/custom_labels_removal.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "program_test_support.h"
#include "text/errors.h"

namespace velkaris {
namespace {

using program_testing::CustomLabelsKey;
using program_testing::WordKey;

const std::string KEY = CustomLabelsKey("10.0");
const std::string PACK_L15 = "Velkaris     L-15";

// Custom Labels of Word 10.0 before the removal, as the install (with one record set
// or the other) and then the user left it.
struct Case {
    const char* what;
    const char* installedSet;  // "100", "80" or nothing
    std::vector<std::pair<std::string, fake::RegValue>> extra;  // written over or beside it
    std::int32_t removed;
    std::vector<std::string> kept;
    std::size_t valuesLeft;
};

const std::string RECORD_L15 = RecordBytes(PACK[0], RecordSet::Word100);

std::vector<std::string> PackNames() {
    std::vector<std::string> names;
    for (const PackLabel& label : PACK) names.emplace_back(label.name);
    return names;
}

TEST(CustomLabelsRemovalTest, RemovesOnlyTheValuesStillAsTheInstallWroteThem) {
    const Case cases[] = {
        {"a label changed in Word, one of another type, one grown by a byte", "100",
         {{PACK_L15, {fake::windows::REG_BINARY, RECORD_L15.substr(0, 43) + "\x07"}},
          {"Velkaris     L-13", {fake::windows::REG_SZ, RecordBytes(PACK[1], RecordSet::Word100)}},
          {"Velkaris     L-14", {fake::windows::REG_BINARY, RecordBytes(PACK[2], RecordSet::Word100) + '\0'}}},
         14, {PACK_L15, "Velkaris     L-13", "Velkaris     L-14"}, 3},
        {"the other generation's records are not this version's", "80", {}, 0,
         PackNames(), 17},
        {"a name that is not quite the pack's", "",
         {{"Velkaris L-15", {fake::windows::REG_BINARY, RECORD_L15}},
          {"velkaris     l-15x", {fake::windows::REG_BINARY, RECORD_L15}}},
         0, {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake::FakePlatform fake;
        fake::RegKey& key = fake.AddKey(KEY);
        const std::string set = c.installedSet;
        for (std::size_t i = 0; i < PACK.size() && !set.empty(); ++i) {
            key.values[std::string(PACK[i].name)] = {
                fake::windows::REG_BINARY,
                RecordBytes(PACK[i], set == "80" ? RecordSet::Word80 : RecordSet::Word100)};
        }
        for (const auto& [name, value] : c.extra) key.values[name] = value;
        RegistryNavigator registry(fake);
        ASSERT_TRUE(registry.SelectKey("\\" + WordKey("10.0"), false));

        const RegistryRemovalResult result = RemoveRegistryLabels(registry, RecordSet::Word100);
        EXPECT_EQ(result.removed, c.removed);
        EXPECT_EQ(result.kept, c.kept);
        EXPECT_EQ(fake.FindKey(KEY)->values.size(), c.valuesLeft);
        for (const std::string& name : c.kept) EXPECT_NE(fake.FindValue(KEY, name), nullptr) << name;
    }
}

TEST(CustomLabelsRemovalTest, NoKeyIsNothingToRemoveButARefusedKeyIsAFailure) {
    fake::FakePlatform fake;
    fake.AddKey(WordKey("10.0"));
    RegistryNavigator registry(fake);
    ASSERT_TRUE(registry.SelectKey("\\" + WordKey("10.0"), false));
    EXPECT_EQ(RemoveRegistryLabels(registry, RecordSet::Word100).removed, 0);
    EXPECT_EQ(fake.FindKey(KEY), nullptr);

    fake.AddKey(KEY).readOnly = true;
    EXPECT_THROW(RemoveRegistryLabels(registry, RecordSet::Word100), ERegistryException);
}

}  // namespace
}  // namespace velkaris

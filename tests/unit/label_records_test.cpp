#include "catalogue/label_records.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace velkaris {
namespace {

struct Geometry {
    std::int32_t width, height, left, top, horizPitch, vertPitch;
    std::int16_t across, down;
};

bool operator==(const Geometry& a, const Geometry& b) {
    return a.width == b.width && a.height == b.height && a.left == b.left && a.top == b.top &&
           a.horizPitch == b.horizPitch && a.vertPitch == b.vertPitch &&
           a.across == b.across && a.down == b.down;
}

const char* const EXPECTED_NAMES[LABEL_COUNT] = {
    "Velkaris     L-15", "Velkaris     L-13", "Velkaris     L-14", "Velkaris     L-16",
    "Velkaris     L-17", "Velkaris     L-01", "Velkaris     L-02", "Velkaris     L-03",
    "Velkaris     L-05", "Velkaris     L-04", "Velkaris     L-06", "Velkaris     L-07",
    "Velkaris     L-08", "Velkaris     L-09", "Velkaris     L-10", "Velkaris     L-11",
    "Velkaris     L-12",
};

// Word 8.0 / 9.0 geometry, row by row in name order.
const Geometry EXPECTED80[LABEL_COUNT] = {
    {5954, 8392, 0, 0, 5954, 8392, 2, 2},
    {5954, 2398, 0, 0, 5954, 2398, 2, 7},
    {5954, 4196, 0, 0, 5954, 4196, 2, 4},
    {11907, 8420, 0, 0, 11907, 8420, 1, 2},
    {11901, 16839, 0, 0, 11907, 16839, 1, 1},
    {2155, 1202, 539, 567, 2155, 1202, 5, 13},
    {2739, 958, 454, 680, 2739, 958, 4, 16},
    {2750, 1440, 397, 1134, 2750, 1440, 4, 10},
    {2963, 1673, 0, 0, 2963, 1673, 4, 10},
    {2977, 1202, 0, 567, 2977, 1202, 4, 13},
    {3572, 2240, 567, 510, 3572, 2240, 3, 7},
    {3742, 1916, 284, 680, 3742, 1916, 3, 8},
    {3856, 2041, 85, 170, 3912, 2041, 2, 2},
    {3856, 2665, 85, 346, 3856, 2722, 3, 6},
    {3969, 2041, 0, 198, 3969, 2041, 3, 8},
    {5041, 1916, 680, 680, 5438, 1916, 2, 8},
    {5041, 2637, 680, 425, 5438, 2637, 2, 6},
};

// Word 10.0 / 11.0 rows that differ from the Word 8.0 set; every other row is the same.
struct Override {
    int index;
    Geometry geometry;
};
const Override OVERRIDES100[] = {
    {3, {10773, 7853, 567, 567, 11907, 7853, 1, 2}},
    {4, {11850, 16834, 0, 0, 11907, 16834, 1, 1}},
    {8, {2963, 1673, 0, 0, 2965, 1673, 4, 10}},
    {10, {3572, 2240, 567, 567, 3572, 2240, 3, 7}},
    {11, {3742, 1917, 284, 680, 3742, 1917, 3, 8}},
    {12, {3856, 2041, 85, 170, 3856, 2041, 3, 8}},
    {14, {3969, 2041, 0, 199, 3969, 2041, 3, 8}},
    {15, {5041, 1917, 680, 680, 5438, 1917, 2, 8}},
};

std::vector<Geometry> Expected100() {
    std::vector<Geometry> rows(std::begin(EXPECTED80), std::end(EXPECTED80));
    for (const Override& o : OVERRIDES100) rows[o.index] = o.geometry;
    return rows;
}

// Reads the record's bytes back independently of the writer under test.
std::uint32_t Le(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

Geometry DecodeGeometry(const std::string& bytes) {
    return {static_cast<std::int32_t>(Le(bytes, 10, 4)), static_cast<std::int32_t>(Le(bytes, 14, 4)),
            static_cast<std::int32_t>(Le(bytes, 18, 4)), static_cast<std::int32_t>(Le(bytes, 22, 4)),
            static_cast<std::int32_t>(Le(bytes, 26, 4)), static_cast<std::int32_t>(Le(bytes, 30, 4)),
            static_cast<std::int16_t>(Le(bytes, 34, 2)), static_cast<std::int16_t>(Le(bytes, 36, 2))};
}

std::vector<std::uint32_t> DecodeWords(const std::string& bytes, std::size_t at, int count) {
    std::vector<std::uint32_t> words;
    for (int i = 0; i < count; ++i) words.push_back(Le(bytes, at + 2 * i, 2));
    return words;
}

std::string Hex(const std::string& bytes) {
    static const char DIGITS[] = "0123456789abcdef";
    std::string text;
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        if (!text.empty()) text += ' ';
        text += DIGITS[b >> 4];
        text += DIGITS[b & 0xF];
    }
    return text;
}

TEST(LabelNames, AreTheSeventeenPackNamesInTableOrder) {
    ASSERT_EQ(LABEL_NAMES.size(), 17u);
    for (int i = 0; i < LABEL_COUNT; ++i) {
        EXPECT_EQ(LABEL_NAMES[i], EXPECTED_NAMES[i]) << "index " << i;
    }
}

TEST(LabelNames, AreShortPlainAscii) {
    for (std::string_view name : LABEL_NAMES) {
        EXPECT_LE(name.size(), 255u);
        for (char c : name) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << name;
    }
}

TEST(LabelRecords, L01SerialisesToTheKnownBytes) {
    EXPECT_EQ(Hex(RecordBytes(RECORDS_80[5])),
              "ad 03 53 00 00 00 21 00 53 00 6b 08 00 00 b2 04 00 00 1b 02 00 00 37 02 00 00 "
              "6b 08 00 00 b2 04 00 00 05 00 0d 00 01 00 02 00 00 00");
    EXPECT_EQ(Hex(RecordBytes(RECORDS_100[5])),
              "4c 03 5c 00 00 00 6c 00 5d 00 6b 08 00 00 b2 04 00 00 1b 02 00 00 37 02 00 00 "
              "6b 08 00 00 b2 04 00 00 05 00 0d 00 01 00 02 00 00 00");
}

TEST(LabelRecords, ByteTextAndByteArrayAgree) {
    const auto array = SerializeRecord(RECORDS_100[3]);
    EXPECT_EQ(RecordBytes(RECORDS_100[3]), std::string(array.begin(), array.end()));
}

TEST(LabelRecords, EverySetHasSeventeenRecordsOf44Bytes) {
    ASSERT_EQ(RECORDS_80.size(), 17u);
    ASSERT_EQ(RECORDS_100.size(), 17u);
    for (int i = 0; i < LABEL_COUNT; ++i) {
        EXPECT_EQ(RecordBytes(RECORDS_80[i]).size(), 44u);
        EXPECT_EQ(RecordBytes(RECORDS_100[i]).size(), 44u);
    }
}

TEST(LabelRecords, L16DiffersBetweenTheSetsInHeaderAndWidth) {
    const std::string old = RecordBytes(RECORDS_80[3]);
    const std::string recent = RecordBytes(RECORDS_100[3]);
    EXPECT_EQ(Hex(old.substr(0, 4)), "ad 03 53 00");
    EXPECT_EQ(Le(old, 10, 4), 11907u);
    EXPECT_EQ(Hex(recent.substr(0, 4)), "4c 03 5c 00");
    EXPECT_EQ(Le(recent, 10, 4), 10773u);
}

TEST(LabelRecords, Word80SetHoldsItsTableExactly) {
    for (int i = 0; i < LABEL_COUNT; ++i) {
        const std::string bytes = RecordBytes(RECORDS_80[i]);
        EXPECT_EQ(DecodeWords(bytes, 0, 5), (std::vector<std::uint32_t>{941, 83, 0, 33, 83}))
            << "index " << i;
        EXPECT_TRUE(DecodeGeometry(bytes) == EXPECTED80[i]) << "index " << i;
        EXPECT_EQ(DecodeWords(bytes, 38, 3), (std::vector<std::uint32_t>{1, 2, 0})) << "index " << i;
    }
}

TEST(LabelRecords, Word100SetHoldsItsTableExactly) {
    const std::vector<Geometry> expected = Expected100();
    for (int i = 0; i < LABEL_COUNT; ++i) {
        const std::string bytes = RecordBytes(RECORDS_100[i]);
        EXPECT_EQ(DecodeWords(bytes, 0, 5), (std::vector<std::uint32_t>{844, 92, 0, 108, 93}))
            << "index " << i;
        EXPECT_TRUE(DecodeGeometry(bytes) == expected[i]) << "index " << i;
        EXPECT_EQ(DecodeWords(bytes, 38, 3), (std::vector<std::uint32_t>{1, 2, 0})) << "index " << i;
    }
}

TEST(LabelRecords, SetsDifferInGeometryOnlyInTheKnownRows) {
    std::set<int> differing;
    for (int i = 0; i < LABEL_COUNT; ++i) {
        if (!(DecodeGeometry(RecordBytes(RECORDS_80[i])) ==
              DecodeGeometry(RecordBytes(RECORDS_100[i])))) {
            differing.insert(i);
        }
    }
    EXPECT_EQ(differing, (std::set<int>{3, 4, 8, 10, 11, 12, 14, 15}));
}

TEST(LabelRecords, L08KeepsItsOwnGridInEachSet) {
    EXPECT_EQ(RECORDS_80[12].across, 2);
    EXPECT_EQ(RECORDS_80[12].down, 2);
    EXPECT_EQ(RECORDS_80[12].horizPitch, 3912);
    EXPECT_EQ(RECORDS_100[12].across, 3);
    EXPECT_EQ(RECORDS_100[12].down, 8);
    EXPECT_EQ(RECORDS_100[12].horizPitch, 3856);
}

}  // namespace
}  // namespace velkaris

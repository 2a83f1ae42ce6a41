#pragma once
// The pack's label names and the 44-byte label records Word 8.0 to 11.0 read from the
// registry. Constant data; each record set is its own table.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velkaris {

constexpr int LABEL_COUNT = 17;
constexpr int LEGACY_RECORD_SIZE = 44;

// The pack's names, the one table of them: the registry values, the label file's
// products and the search for them all take their names from here. In the order of
// the registry records.
constexpr std::array<std::string_view, LABEL_COUNT> LABEL_NAMES = {
    "Velkaris     L-15", "Velkaris     L-13", "Velkaris     L-14", "Velkaris     L-16",
    "Velkaris     L-17", "Velkaris     L-01", "Velkaris     L-02", "Velkaris     L-03",
    "Velkaris     L-05", "Velkaris     L-04", "Velkaris     L-06", "Velkaris     L-07",
    "Velkaris     L-08", "Velkaris     L-09", "Velkaris     L-10", "Velkaris     L-11",
    "Velkaris     L-12",
};

// Lengths are in twips.
struct LegacyLabelRecord {
    std::array<std::uint16_t, 5> headerWords;
    std::int32_t width;
    std::int32_t height;
    std::int32_t left;
    std::int32_t top;
    std::int32_t horizPitch;
    std::int32_t vertPitch;
    std::int16_t across;
    std::int16_t down;
    std::array<std::uint16_t, 3> trailerWords;
};

// Record i belongs to LABEL_NAMES[i]. RECORDS_80 is for Word 8.0 and 9.0, RECORDS_100 for
// Word 10.0 and 11.0.
extern const std::array<LegacyLabelRecord, LABEL_COUNT> RECORDS_80;
extern const std::array<LegacyLabelRecord, LABEL_COUNT> RECORDS_100;

// The record as Word stores it: little-endian, fields packed in declaration order.
std::array<std::uint8_t, LEGACY_RECORD_SIZE> SerializeRecord(const LegacyLabelRecord& record);
// The same 44 bytes as a byte text, ready to be written as a registry value's data.
std::string RecordBytes(const LegacyLabelRecord& record);

}  // namespace velkaris

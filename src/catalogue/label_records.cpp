#include "catalogue/label_records.h"

#include <cstddef>

namespace velkaris {

const std::array<std::string_view, kLabelCount> LABEL_NAMES = {
    "Velkaris     L-15", "Velkaris     L-13", "Velkaris     L-14", "Velkaris     L-16",
    "Velkaris     L-17", "Velkaris     L-01", "Velkaris     L-02", "Velkaris     L-03",
    "Velkaris     L-05", "Velkaris     L-04", "Velkaris     L-06", "Velkaris     L-07",
    "Velkaris     L-08", "Velkaris     L-09", "Velkaris     L-10", "Velkaris     L-11",
    "Velkaris     L-12",
};

namespace {

// Each Word generation wrote its own header; the records carry them unchanged.
constexpr std::array<std::uint16_t, 5> kHeader80 = {941, 83, 0, 33, 83};
constexpr std::array<std::uint16_t, 5> kHeader100 = {844, 92, 0, 108, 93};
constexpr std::array<std::uint16_t, 3> kTrailer = {1, 2, 0};

}  // namespace

// The two sets disagree in several rows; each is kept exactly as taken, never derived
// from the other.
const std::array<LegacyLabelRecord, kLabelCount> RECORDS_80 = {{
    //          width  height left  top   hpitch vpitch across down
    {kHeader80,  5954,  8392,   0,    0,  5954,  8392,  2,  2, kTrailer},  // L-15
    {kHeader80,  5954,  2398,   0,    0,  5954,  2398,  2,  7, kTrailer},  // L-13
    {kHeader80,  5954,  4196,   0,    0,  5954,  4196,  2,  4, kTrailer},  // L-14
    {kHeader80, 11907,  8420,   0,    0, 11907,  8420,  1,  2, kTrailer},  // L-16
    {kHeader80, 11901, 16839,   0,    0, 11907, 16839,  1,  1, kTrailer},  // L-17
    {kHeader80,  2155,  1202, 539,  567,  2155,  1202,  5, 13, kTrailer},  // L-01
    {kHeader80,  2739,   958, 454,  680,  2739,   958,  4, 16, kTrailer},  // L-02
    {kHeader80,  2750,  1440, 397, 1134,  2750,  1440,  4, 10, kTrailer},  // L-03
    {kHeader80,  2963,  1673,   0,    0,  2963,  1673,  4, 10, kTrailer},  // L-05
    {kHeader80,  2977,  1202,   0,  567,  2977,  1202,  4, 13, kTrailer},  // L-04
    {kHeader80,  3572,  2240, 567,  510,  3572,  2240,  3,  7, kTrailer},  // L-06
    {kHeader80,  3742,  1916, 284,  680,  3742,  1916,  3,  8, kTrailer},  // L-07
    {kHeader80,  3856,  2041,  85,  170,  3912,  2041,  2,  2, kTrailer},  // L-08
    {kHeader80,  3856,  2665,  85,  346,  3856,  2722,  3,  6, kTrailer},  // L-09
    {kHeader80,  3969,  2041,   0,  198,  3969,  2041,  3,  8, kTrailer},  // L-10
    {kHeader80,  5041,  1916, 680,  680,  5438,  1916,  2,  8, kTrailer},  // L-11
    {kHeader80,  5041,  2637, 680,  425,  5438,  2637,  2,  6, kTrailer},  // L-12
}};

const std::array<LegacyLabelRecord, kLabelCount> RECORDS_100 = {{
    //           width  height left  top   hpitch vpitch across down
    {kHeader100,  5954,  8392,   0,    0,  5954,  8392,  2,  2, kTrailer},  // L-15
    {kHeader100,  5954,  2398,   0,    0,  5954,  2398,  2,  7, kTrailer},  // L-13
    {kHeader100,  5954,  4196,   0,    0,  5954,  4196,  2,  4, kTrailer},  // L-14
    {kHeader100, 10773,  7853, 567,  567, 11907,  7853,  1,  2, kTrailer},  // L-16
    {kHeader100, 11850, 16834,   0,    0, 11907, 16834,  1,  1, kTrailer},  // L-17
    {kHeader100,  2155,  1202, 539,  567,  2155,  1202,  5, 13, kTrailer},  // L-01
    {kHeader100,  2739,   958, 454,  680,  2739,   958,  4, 16, kTrailer},  // L-02
    {kHeader100,  2750,  1440, 397, 1134,  2750,  1440,  4, 10, kTrailer},  // L-03
    {kHeader100,  2963,  1673,   0,    0,  2965,  1673,  4, 10, kTrailer},  // L-05
    {kHeader100,  2977,  1202,   0,  567,  2977,  1202,  4, 13, kTrailer},  // L-04
    {kHeader100,  3572,  2240, 567,  567,  3572,  2240,  3,  7, kTrailer},  // L-06
    {kHeader100,  3742,  1917, 284,  680,  3742,  1917,  3,  8, kTrailer},  // L-07
    {kHeader100,  3856,  2041,  85,  170,  3856,  2041,  3,  8, kTrailer},  // L-08
    {kHeader100,  3856,  2665,  85,  346,  3856,  2722,  3,  6, kTrailer},  // L-09
    {kHeader100,  3969,  2041,   0,  199,  3969,  2041,  3,  8, kTrailer},  // L-10
    {kHeader100,  5041,  1917, 680,  680,  5438,  1917,  2,  8, kTrailer},  // L-11
    {kHeader100,  5041,  2637, 680,  425,  5438,  2637,  2,  6, kTrailer},  // L-12
}};

namespace {

class RecordWriter {
public:
    explicit RecordWriter(std::array<std::uint8_t, kLegacyRecordSize>& bytes) : bytes_(bytes) {}

    void Put16(std::uint16_t value) {
        bytes_[at_++] = static_cast<std::uint8_t>(value & 0xFF);
        bytes_[at_++] = static_cast<std::uint8_t>(value >> 8);
    }
    void Put32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes_[at_++] = static_cast<std::uint8_t>((value >> shift) & 0xFF);
        }
    }

private:
    std::array<std::uint8_t, kLegacyRecordSize>& bytes_;
    std::size_t at_ = 0;
};

}  // namespace

std::array<std::uint8_t, kLegacyRecordSize> SerializeRecord(const LegacyLabelRecord& record) {
    std::array<std::uint8_t, kLegacyRecordSize> bytes{};
    RecordWriter writer(bytes);
    for (std::uint16_t word : record.headerWords) writer.Put16(word);
    // Signed fields go out as their two's-complement bit patterns.
    for (std::int32_t field : {record.width, record.height, record.left, record.top,
                               record.horizPitch, record.vertPitch}) {
        writer.Put32(static_cast<std::uint32_t>(field));
    }
    writer.Put16(static_cast<std::uint16_t>(record.across));
    writer.Put16(static_cast<std::uint16_t>(record.down));
    for (std::uint16_t word : record.trailerWords) writer.Put16(word);
    return bytes;
}

std::string RecordBytes(const LegacyLabelRecord& record) {
    const auto bytes = SerializeRecord(record);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace velkaris

#include "catalogue/label_records.h"

#include <cstddef>

namespace velkaris {

namespace {

// Each Word generation wrote its own header; the records carry them unchanged.
constexpr std::array<std::uint16_t, 5> HEADER80 = {941, 83, 0, 33, 83};
constexpr std::array<std::uint16_t, 5> HEADER100 = {844, 92, 0, 108, 93};
constexpr std::array<std::uint16_t, 3> TRAILER = {1, 2, 0};

}  // namespace

// The two sets disagree in several rows; each is kept exactly as taken, never derived
// from the other.
const std::array<LegacyLabelRecord, LABEL_COUNT> RECORDS_80 = {{
    //          width  height left  top   hpitch vpitch across down
    {HEADER80,  5954,  8392,   0,    0,  5954,  8392,  2,  2, TRAILER},  // L-15
    {HEADER80,  5954,  2398,   0,    0,  5954,  2398,  2,  7, TRAILER},  // L-13
    {HEADER80,  5954,  4196,   0,    0,  5954,  4196,  2,  4, TRAILER},  // L-14
    {HEADER80, 11907,  8420,   0,    0, 11907,  8420,  1,  2, TRAILER},  // L-16
    {HEADER80, 11901, 16839,   0,    0, 11907, 16839,  1,  1, TRAILER},  // L-17
    {HEADER80,  2155,  1202, 539,  567,  2155,  1202,  5, 13, TRAILER},  // L-01
    {HEADER80,  2739,   958, 454,  680,  2739,   958,  4, 16, TRAILER},  // L-02
    {HEADER80,  2750,  1440, 397, 1134,  2750,  1440,  4, 10, TRAILER},  // L-03
    {HEADER80,  2963,  1673,   0,    0,  2963,  1673,  4, 10, TRAILER},  // L-05
    {HEADER80,  2977,  1202,   0,  567,  2977,  1202,  4, 13, TRAILER},  // L-04
    {HEADER80,  3572,  2240, 567,  510,  3572,  2240,  3,  7, TRAILER},  // L-06
    {HEADER80,  3742,  1916, 284,  680,  3742,  1916,  3,  8, TRAILER},  // L-07
    {HEADER80,  3856,  2041,  85,  170,  3912,  2041,  2,  2, TRAILER},  // L-08
    {HEADER80,  3856,  2665,  85,  346,  3856,  2722,  3,  6, TRAILER},  // L-09
    {HEADER80,  3969,  2041,   0,  198,  3969,  2041,  3,  8, TRAILER},  // L-10
    {HEADER80,  5041,  1916, 680,  680,  5438,  1916,  2,  8, TRAILER},  // L-11
    {HEADER80,  5041,  2637, 680,  425,  5438,  2637,  2,  6, TRAILER},  // L-12
}};

const std::array<LegacyLabelRecord, LABEL_COUNT> RECORDS_100 = {{
    //           width  height left  top   hpitch vpitch across down
    {HEADER100,  5954,  8392,   0,    0,  5954,  8392,  2,  2, TRAILER},  // L-15
    {HEADER100,  5954,  2398,   0,    0,  5954,  2398,  2,  7, TRAILER},  // L-13
    {HEADER100,  5954,  4196,   0,    0,  5954,  4196,  2,  4, TRAILER},  // L-14
    {HEADER100, 10773,  7853, 567,  567, 11907,  7853,  1,  2, TRAILER},  // L-16
    {HEADER100, 11850, 16834,   0,    0, 11907, 16834,  1,  1, TRAILER},  // L-17
    {HEADER100,  2155,  1202, 539,  567,  2155,  1202,  5, 13, TRAILER},  // L-01
    {HEADER100,  2739,   958, 454,  680,  2739,   958,  4, 16, TRAILER},  // L-02
    {HEADER100,  2750,  1440, 397, 1134,  2750,  1440,  4, 10, TRAILER},  // L-03
    {HEADER100,  2963,  1673,   0,    0,  2965,  1673,  4, 10, TRAILER},  // L-05
    {HEADER100,  2977,  1202,   0,  567,  2977,  1202,  4, 13, TRAILER},  // L-04
    {HEADER100,  3572,  2240, 567,  567,  3572,  2240,  3,  7, TRAILER},  // L-06
    {HEADER100,  3742,  1917, 284,  680,  3742,  1917,  3,  8, TRAILER},  // L-07
    {HEADER100,  3856,  2041,  85,  170,  3856,  2041,  3,  8, TRAILER},  // L-08
    {HEADER100,  3856,  2665,  85,  346,  3856,  2722,  3,  6, TRAILER},  // L-09
    {HEADER100,  3969,  2041,   0,  199,  3969,  2041,  3,  8, TRAILER},  // L-10
    {HEADER100,  5041,  1917, 680,  680,  5438,  1917,  2,  8, TRAILER},  // L-11
    {HEADER100,  5041,  2637, 680,  425,  5438,  2637,  2,  6, TRAILER},  // L-12
}};

namespace {

class RecordWriter {
public:
    explicit RecordWriter(std::array<std::uint8_t, LEGACY_RECORD_SIZE>& bytes) : bytes_(bytes) {}

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
    std::array<std::uint8_t, LEGACY_RECORD_SIZE>& bytes_;
    std::size_t at_ = 0;
};

}  // namespace

std::array<std::uint8_t, LEGACY_RECORD_SIZE> SerializeRecord(const LegacyLabelRecord& record) {
    std::array<std::uint8_t, LEGACY_RECORD_SIZE> bytes{};
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

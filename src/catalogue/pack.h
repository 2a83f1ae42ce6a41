#pragma once
// The Velkaris pack: one row per label, holding everything that label is. The registry
// values, the label file's products, their order and the search for them all read this
// table; adding a label is adding a row.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velkaris {

constexpr int LABEL_COUNT = 17;
constexpr int LEGACY_RECORD_SIZE = 44;

// A label's place on its sheet as a Word 97-2003 record holds it, in twips.
struct RecordGeometry {
    std::int32_t width;
    std::int32_t height;
    std::int32_t left;
    std::int32_t top;
    std::int32_t horizPitch;
    std::int32_t vertPitch;
    std::int16_t across;
    std::int16_t down;
};

// The same as Word 2007's label file holds it, in EMUs on an A4 sheet. Taken as Word
// wrote it, not converted from a record: several labels differ from both record sets.
struct SheetGrid {
    std::int32_t height;
    std::int32_t width;
    int across;
    int down;
    std::int32_t horizGap;
    std::int32_t vertGap;
    std::int32_t posX;
    std::int32_t posY;
};

// Two products were written with two elements on one line; the file keeps them so.
enum class Joined { None, NameWithDescription, SheetWithGrid };

struct PackLabel {
    std::string_view name;  // "Velkaris     L-15": the value's name and the product's
    RecordGeometry word80;   // the record Word 8.0 and 9.0 read
    RecordGeometry word100;  // the record Word 10.0 and 11.0 read
    SheetGrid file;
    Joined joined;
};

// In the order Word keeps the values in the registry.
extern const std::array<PackLabel, LABEL_COUNT> PACK;

// The pack in the order its products stand in the label file: by label number.
const std::array<const PackLabel*, LABEL_COUNT>& PackInFileOrder();

inline std::size_t PackIndex(const PackLabel& label) {
    return static_cast<std::size_t>(&label - PACK.data());
}

// The pack's label of that name, compared exactly; null for any other name.
const PackLabel* PackLabelNamed(std::string_view name);

enum class RecordSet { Word80, Word100 };

// The label's 44-byte record as that Word stores it: little-endian, ready to be
// written as a registry value's data.
std::string RecordBytes(const PackLabel& label, RecordSet set);

extern const char* const LABEL_FILE_HEADER;
extern const char* const LABEL_FILE_FOOTER;

// The label's product as the install writes it, each line ended by CR LF, followed
// by an empty line unless it is the file's last product.
std::string PackProductText(const PackLabel& label);

}  // namespace velkaris

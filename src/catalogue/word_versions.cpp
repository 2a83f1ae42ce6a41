#include "catalogue/word_versions.h"

namespace velkaris {

const std::array<WordVersion, 8> WORD_VERSIONS = {{
    {"8.0", "\\Software\\Microsoft\\Office\\8.0\\Word\\", LabelDestination::RegistryLabels, RecordSet::Word80},
    {"9.0", "\\Software\\Microsoft\\Office\\9.0\\Word\\", LabelDestination::RegistryLabels, RecordSet::Word80},
    {"10.0", "\\Software\\Microsoft\\Office\\10.0\\Word\\", LabelDestination::RegistryLabels, RecordSet::Word100},
    {"11.0", "\\Software\\Microsoft\\Office\\11.0\\Word\\", LabelDestination::RegistryLabels, RecordSet::Word100},
    {"12.0", "\\Software\\Microsoft\\Office\\12.0\\Word\\", LabelDestination::LabelFile, {}},
    // Word 2010, 2013 and 2016 or later (365): installed, but not what the pack is for.
    {"14.0", "\\Software\\Microsoft\\Office\\14.0\\Word\\", LabelDestination::SeenOnly, {}},
    {"15.0", "\\Software\\Microsoft\\Office\\15.0\\Word\\", LabelDestination::SeenOnly, {}},
    {"16.0", "\\Software\\Microsoft\\Office\\16.0\\Word\\", LabelDestination::SeenOnly, {}},
}};

}  // namespace velkaris

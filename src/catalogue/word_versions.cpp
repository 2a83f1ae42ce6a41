#include "catalogue/word_versions.h"

namespace velkaris {

const std::array<WordVersion, 5> WORD_VERSIONS = {{
    {"\\Software\\Microsoft\\Office\\8.0\\Word\\", LabelDestination::RegistryLabels, &RECORDS_80},
    {"\\Software\\Microsoft\\Office\\9.0\\Word\\", LabelDestination::RegistryLabels, &RECORDS_80},
    {"\\Software\\Microsoft\\Office\\10.0\\Word\\", LabelDestination::RegistryLabels, &RECORDS_100},
    {"\\Software\\Microsoft\\Office\\11.0\\Word\\", LabelDestination::RegistryLabels, &RECORDS_100},
    {"\\Software\\Microsoft\\Office\\12.0\\Word\\", LabelDestination::LabelFile, nullptr},
}};

}  // namespace velkaris

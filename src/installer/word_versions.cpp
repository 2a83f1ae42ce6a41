#include "installer/word_versions.h"

namespace velkaris {

const std::array<WordVersionKey, 5> WORD_VERSION_KEYS = {{
    {WordVersion::Word80, "\\Software\\Microsoft\\Office\\8.0\\Word\\"},
    {WordVersion::Word90, "\\Software\\Microsoft\\Office\\9.0\\Word\\"},
    {WordVersion::Word100, "\\Software\\Microsoft\\Office\\10.0\\Word\\"},
    {WordVersion::Word110, "\\Software\\Microsoft\\Office\\11.0\\Word\\"},
    {WordVersion::Word120, "\\Software\\Microsoft\\Office\\12.0\\Word\\"},
}};

}  // namespace velkaris

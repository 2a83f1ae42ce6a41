#include "program_test_support.h"

namespace velkaris::program_testing {

std::string WordKey(const std::string& version) {
    return "Software\\Microsoft\\Office\\" + version + "\\Word";
}

std::string CustomLabelsKey(const std::string& version) {
    return WordKey(version) + "\\Custom Labels";
}

std::u16string Utf16(const std::string& utf8) {
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char16_t>(c);
            i += 1;
        } else {  // two-byte sequences cover every letter these tests use
            out += static_cast<char16_t>(((c & 0x1F) << 6) |
                                         (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
            i += 2;
        }
    }
    return out;
}

const char* const QUESTION_UTF8 =
    "Czy chcesz zainstalować pakiet etykiet marki Velkaris\rdo użytku z programem MS Word?";
const char* const DONE_UTF8 = "Etykiety zostały zainstalowane\rŻyczymy miłej pracy!";
const char* const NO_WORD_UTF8 =
    "Na tym komputerze nie zainstalowano programu MS Word\rInstalacja etykiet nie jest możliwa!";
const char* const CAPTION_UTF8 = "Velkaris - instalator etykiet";

}  // namespace velkaris::program_testing

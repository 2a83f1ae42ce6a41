#include "installer/messages.h"

namespace velkaris {

// Polish letters as Windows-1250 bytes: \xE6 c-acute, \xBF z-dot, \xB3 l-stroke,
// \xAF capital Z-dot. Literals are split after each escape so no letter joins it.
const char* const MESSAGE_CAPTION = "Velkaris - instalator etykiet";
const char* const QUESTION_TEXT =
    "Czy chcesz zainstalowa\xE6" " pakiet etykiet marki Velkaris\r"
    "do u\xBF" "ytku z programem MS Word?";
const char* const DONE_TEXT =
    "Etykiety zosta\xB3" "y zainstalowane\r"
    "\xAF" "yczymy mi\xB3" "ej pracy!";
const char* const NO_WORD_TEXT =
    "Na tym komputerze nie zainstalowano programu MS Word\r"
    "Instalacja etykiet nie jest mo\xBF" "liwa!";

}  // namespace velkaris

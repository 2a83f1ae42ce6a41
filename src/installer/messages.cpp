#include "installer/messages.h"

namespace velkaris {

// Polish letters as Windows-1250 bytes: \xE6 c-acute, \xBF z-dot, \xB3 l-stroke,
// \xAF capital Z-dot, \xB9 a-ogonek, \x9C s-acute, \x9F z-acute, \xF1 n-acute,
// \xEA e-ogonek.
// Literals are split after each escape so no letter joins it.
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
const char* const WORD_TOO_NEW_TEXT =
    "Zainstalowana wersja programu MS Word nie jest obs\xB3" "ugiwana\r"
    "Instalacja etykiet nie jest mo\xBF" "liwa!";
const char* const UNINSTALL_QUESTION_TEXT =
    "Czy chcesz usun\xB9\xE6" " pakiet etykiet marki Velkaris z programu MS Word?";
const char* const UNINSTALLED_TEXT = "Etykiety marki Velkaris zosta\xB3" "y usuni\xEA" "te.";
const char* const NOT_INSTALLED_TEXT = "Pakiet etykiet marki Velkaris nie jest zainstalowany.";
const char* const KEPT_CHANGED_FORMAT = "Pozostawiono etykiety zmienione po instalacji: %s.";
const char* const HELP_TEXT =
    "Pakiet etykiet marki Velkaris dla programu MS Word 97-2007\r"
    "\r"
    "Prze\xB3\xB9" "czniki:\r"
    "/quiet - bez okien; pytanie ma odpowied\x9F" " Tak\r"
    "/uninstall - usuwa pakiet; etykiety zmienione po instalacji zostaj\xB9" "\r"
    "/log PLIK - dopisuje przebieg instalacji do pliku PLIK (UTF-8)\r"
    "/? lub /help - ten opis\r"
    "\r"
    "Kody wyj\x9C" "cia:\r"
    "0 - etykiety zainstalowane lub usuni\xEA" "te albo nie by\xB3" "o nic do zrobienia\r"
    "1 - b\xB3\xB9" "d instalacji\r"
    "87 - nieprawid\xB3" "owy wiersz polece\xF1";
const char* const INVALID_SWITCH_FORMAT =
    "Nieprawid\xB3" "owy prze\xB3\xB9" "cznik: %s\r"
    "\r";

}  // namespace velkaris

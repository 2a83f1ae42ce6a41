#include "installer/messages.h"

namespace velkaris {

// Polish letters as escapes, so no source encoding can change them: \u0105 a-ogonek,
// \u0107 c-acute, \u0142 l-stroke, \u0144 n-acute, \u00F3 o-acute, \u015B s-acute,
// \u017A z-acute, \u017C z-dot, \u017B capital Z-dot, \u0119 e-ogonek.
const char16_t* const MESSAGE_CAPTION = u"Velkaris - instalator etykiet";
const char16_t* const FAILURE_CAPTION = u"Application Error";
const char16_t* const QUESTION_TEXT =
    u"Czy chcesz zainstalowa\u0107 pakiet etykiet marki Velkaris\r"
    u"do u\u017Cytku z programem MS Word?";
const char16_t* const DONE_TEXT =
    u"Etykiety zosta\u0142y zainstalowane\r"
    u"\u017Byczymy mi\u0142ej pracy!";
const char16_t* const NEWER_WORD_TOO_TEXT =
    u"Zainstalowana jest r\u00F3wnie\u017C nowsza wersja programu MS Word, "
    u"kt\u00F3rej ten pakiet nie obs\u0142uguje.";
const char16_t* const NO_WORD_TEXT =
    u"Na tym komputerze nie zainstalowano programu MS Word\r"
    u"Instalacja etykiet nie jest mo\u017Cliwa!";
const char16_t* const WORD_TOO_NEW_TEXT =
    u"Zainstalowana wersja programu MS Word nie jest obs\u0142ugiwana\r"
    u"Instalacja etykiet nie jest mo\u017Cliwa!";
const char16_t* const UNINSTALL_QUESTION_TEXT =
    u"Czy chcesz usun\u0105\u0107 pakiet etykiet marki Velkaris z programu MS Word?";
const char16_t* const UNINSTALLED_TEXT = u"Etykiety marki Velkaris zosta\u0142y usuni\u0119te.";
const char16_t* const NOT_INSTALLED_TEXT = u"Pakiet etykiet marki Velkaris nie jest zainstalowany.";
const char16_t* const KEPT_CHANGED_TEXT = u"Pozostawiono etykiety zmienione po instalacji: ";
const char16_t* const HELP_TEXT =
    u"Pakiet etykiet marki Velkaris dla programu MS Word 97-2007\r"
    u"\r"
    u"Prze\u0142\u0105czniki:\r"
    u"/quiet - bez okien; pytanie ma odpowied\u017A Tak\r"
    u"/uninstall - usuwa pakiet; etykiety zmienione po instalacji zostaj\u0105\r"
    u"/log PLIK - dopisuje przebieg instalacji do pliku PLIK (UTF-8)\r"
    u"/? lub /help - ten opis\r"
    u"\r"
    u"Kody wyj\u015Bcia:\r"
    u"0 - etykiety zainstalowane lub usuni\u0119te albo nie by\u0142o nic do zrobienia\r"
    u"1 - b\u0142\u0105d instalacji\r"
    u"87 - nieprawid\u0142owy wiersz polece\u0144";
const char16_t* const INVALID_SWITCH_TEXT = u"Nieprawid\u0142owy prze\u0142\u0105cznik: ";

}  // namespace velkaris

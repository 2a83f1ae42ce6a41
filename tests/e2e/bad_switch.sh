#!/usr/bin/env bash
# A switch the program does not know: without /quiet, the help box headed by it
# (read back); with /quiet, no window. Exit code 87 (ERROR_INVALID_PARAMETER)
# every time and nothing changed, though Word is there.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 11.0
e2e_snapshot before

E2E_PROGRAM_ARGS=(/bogus)
e2e_start_program
e2e_expect_box "$E2E_CAPTION" 'Nieprawidłowy przełącznik: /bogus\r\rPakiet etykiet marki Velkaris dla programu MS Word 97-2007\r\rPrzełączniki:\r/quiet - bez okien; pytanie ma odpowiedź Tak\r/uninstall - usuwa pakiet; etykiety zmienione po instalacji zostają\r/log PLIK - dopisuje przebieg instalacji do pliku PLIK (UTF-8)\r/? lub /help - ten opis\r\rKody wyjścia:\r0 - etykiety zainstalowane lub usunięte albo nie było nic do zrobienia\r1 - błąd instalacji\r87 - nieprawidłowy wiersz poleceń' "$IDOK"
e2e_press "$E2E_CAPTION" "$IDOK"
e2e_expect_exit 87
e2e_expect_box_calls "W 00000030"
e2e_expect_unchanged_since before after-box

e2e_run_quiet 87 /quiet /Bogus
e2e_expect_unchanged_since before after-quiet

# /log naming the label file (in other letter case), and /log whose file was
# forgotten before /quiet: 87, no window, no log, the label file byte for byte.
e2e_add_word 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
e2e_run_quiet 87 /quiet /log "${E2E_LABEL_FILE_WINDOWS^^}"
e2e_run_quiet 87 /log /quiet
e2e_expect_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
[[ ! -e $WINEPREFIX/drive_c/quiet ]] || e2e_fail "/quiet was taken for the log's file"

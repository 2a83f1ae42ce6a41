#!/usr/bin/env bash
# Two runs over Custom Labels keys that already hold values: the second run
# leaves the same 17 values with the same data; values of other names stay as
# they were, and an older value under one of the pack's names is replaced.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 8.0 10.0
labels_8="$E2E_OFFICE_KEY\\8.0\\Word\\Custom Labels"
labels_10="$E2E_OFFICE_KEY\\10.0\\Word\\Custom Labels"
e2e_add_value "$labels_8" "Moja etykieta" REG_BINARY 0102030405060708090a
e2e_add_value "$labels_8" "Velkaris     L-15" REG_SZ "stara wersja"
e2e_add_value "$labels_10" "Velkaris L-15" REG_BINARY 00
e2e_add_value "$labels_10" "Koperty" REG_DWORD 7
e2e_add_value "$labels_10" "Przesyłki" REG_SZ "Duże koperty"
e2e_snapshot before

answer_yes() {
    e2e_start_program
    e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_QUESTION" "$IDYES" "$IDNO"
    e2e_press "$E2E_CAPTION" "$IDYES"
    e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_DONE" "$IDOK"
    e2e_press "$E2E_CAPTION" "$IDOK"
    e2e_expect_exit 0
    e2e_expect_box_calls "W $E2E_STYLE_QUESTION" "W $E2E_STYLE_DONE"
}

answer_yes
e2e_snapshot first
e2e_expect_installed before first 8.0:80 10.0:100

answer_yes
e2e_snapshot second
e2e_expect_installed before second 8.0:80 10.0:100
e2e_expect_registry_unchanged first second
e2e_expect_files_unchanged before second

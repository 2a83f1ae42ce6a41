#!/usr/bin/env bash
# Two runs over Custom Labels keys that already hold values: the second run
# leaves the same 17 values with the same data; values of other names stay as
# they were, and an older value under one of the pack's names is replaced.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 8.0 10.0
labels_8=$(e2e_custom_labels_key 8.0)
labels_10=$(e2e_custom_labels_key 10.0)
e2e_add_value "$labels_8" "Moja etykieta" REG_BINARY 0102030405060708090a
e2e_add_value "$labels_8" "Velkaris     L-15" REG_SZ "stara wersja"
e2e_add_value "$labels_10" "Velkaris L-15" REG_BINARY 00
e2e_add_value "$labels_10" "Koperty" REG_DWORD 7
e2e_add_value "$labels_10" "Przesyłki" REG_SZ "Duże koperty"
e2e_snapshot before

e2e_run_answering_yes_expect_done
e2e_snapshot first
e2e_expect_installed before first 8.0:80 10.0:100

e2e_run_answering_yes_expect_done
e2e_snapshot second
e2e_expect_installed before second 8.0:80 10.0:100
e2e_expect_registry_unchanged first second
e2e_expect_files_unchanged before second

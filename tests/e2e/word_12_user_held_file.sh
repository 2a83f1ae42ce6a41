#!/usr/bin/env bash
# Word 12.0 for the user "Michał" under code page 1252, while another program
# holds the label file open with no sharing: the failure report names the file
# by its real path, "ł" included; exit code 1; the file kept as it was.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_set_user 'Michał'
e2e_add_word 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
e2e_hold_label_file
[[ $E2E_LABEL_FILE_WINDOWS == 'C:\users\Michał\AppData\Roaming\Microsoft\Office\pg_custom.xml' ]] ||
    e2e_fail "the label file is at $E2E_LABEL_FILE_WINDOWS"

e2e_run_answering_yes_expect_failure EFOpenError "Cannot open file \"$E2E_LABEL_FILE_WINDOWS\". "
e2e_release_label_file
e2e_expect_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"

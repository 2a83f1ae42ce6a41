#!/usr/bin/env bash
# /uninstall /quiet /log after an install for Word 11.0 and 12.0, while another
# program holds the label file open: no window, exit code 1, the file as the
# install left them, 11.0's pack values taken out all the same (the user's value
# stays), the failure report and what to do in the log. Once the file is let go,
# the same command takes the pack out of it.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

log='C:\velkaris.log'
log_host="$WINEPREFIX/drive_c/velkaris.log"
e2e_add_word 11.0 12.0
e2e_add_value "$(e2e_custom_labels_key 11.0)" "Moja etykieta" REG_BINARY 0a0b0c
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
e2e_snapshot before
e2e_run_quiet 0 /quiet

e2e_hold_label_file
e2e_run_quiet 1 /uninstall /quiet /log "$log"
e2e_release_label_file
e2e_snapshot held
e2e_expect_registry_unchanged before held
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-user-products.xml"
e2e_expect_log "$log_host" 'Question skipped \(/quiet\): taken as Yes$' \
    "Word 12\\.0: Failure: Exception EFOpenError in module ${E2E_PROGRAM##*/} at [0-9A-F]{8}\\.$" \
    'Word 12\.0: What to do: close Word and any other program that has the file open, then run the program again$' \
    'Word 11\.0: 17 values removed under ' 'Outcome: failed for Word 12\.0$' 'Exit code 1$'
grep -qF "Cannot open file \"$E2E_LABEL_FILE_WINDOWS\". " "$log_host" ||
    e2e_fail "the log does not hold the failure report's message"

e2e_run_quiet 0 -uninstall -quiet -log "$log"
e2e_expect_log "$log_host" 'Exit code 1$' \
    'Word 12\.0: label file .* written, 17 of the pack.s products removed$' \
    'Word 11\.0: 0 values removed under ' 'Outcome: uninstalled$' 'Exit code 0$'

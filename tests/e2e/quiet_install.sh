#!/usr/bin/env bash
# /quiet /log with Word 11.0 and 12.0 and a label file holding the user's own
# labels: no window at any time, exit code 0, the registry and the label file
# exactly as the interactive run leaves them, and the log tells what was
# written; run again, it leaves the file as it was and logs that. Then, with the
# label file held open for the whole run: exit code 1, still no window, the file
# kept, 11.0 written all the same, and the failure report's text and what to do
# about it in the log.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

log='C:\velkaris.log'
log_host="$WINEPREFIX/drive_c/velkaris.log"
e2e_add_word 11.0 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
e2e_snapshot before

e2e_run_quiet 0 /quiet /log "$log"
e2e_snapshot after
e2e_expect_installed before after 11.0:100
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-user-products.xml"
escaped_label_file=$(sed 's/[][\.*^$]/\\&/g' <<<"$E2E_LABEL_FILE_WINDOWS")
e2e_expect_log "$log_host" \
    'velkaris-labels 1\.0\.0 started by user [^ ]+ on computer [^ ]+$' \
    'Word found: 11\.0 12\.0$' \
    'Question skipped \(/quiet\): taken as Yes$' \
    "Word 12\\.0: label file $escaped_label_file written, 5 of the user's products kept, pack added \\(17 labels\\)$" \
    'Word 11\.0: 17 values written under HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11\.0\\Word\\Custom Labels$' \
    'Outcome: installed$' \
    'Exit code 0$'

# Again: the pack is there, the file is left as it was, and the log says so.
e2e_run_quiet 0 /quiet /log "$log"
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-user-products.xml"
e2e_expect_log "$log_host" 'Exit code 0$' 'velkaris-labels 1\.0\.0 started by user ' \
    "Word 12\\.0: label file $escaped_label_file: 5 of the user's products, pack already there, file unchanged$" \
    'Exit code 0$'

e2e_hold_label_file
e2e_run_quiet 1 -QUIET -Log "$log"
e2e_release_label_file
e2e_expect_unchanged_since after held
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-user-products.xml"
e2e_expect_log "$log_host" 'Exit code 0$' \
    'velkaris-labels 1\.0\.0 started by user [^ ]+ on computer [^ ]+$' \
    "Word 12\\.0: Failure: Exception EFOpenError in module ${E2E_PROGRAM##*/} at [0-9A-F]{8}\\.$" \
    'Word 12\.0: What to do: close Word and any other program that has the file open, then run the program again$' \
    'Word 11\.0: 17 values written under ' 'Outcome: failed for Word 12\.0$' 'Exit code 1$'
grep -qF "Cannot open file \"$E2E_LABEL_FILE_WINDOWS\". " "$log_host" ||
    e2e_fail "the log does not hold the failure report's message"

#!/usr/bin/env bash
# Word 12.0 over the user's label file, which another program holds with no
# sharing as the install starts and lets go of 300 ms after the question box has
# closed (a backup agent, the search indexer): the read-open is refused at first
# and tried again until it goes through. The Done box, exit code 0, the merged
# file and nothing left beside it.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0
e2e_trace_file_calls
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"

e2e_start_program
e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_QUESTION" "$IDYES" "$IDNO"
e2e_hold_briefly 300 "$E2E_LABEL_FILE_WINDOWS" "$E2E_CAPTION"
e2e_press "$E2E_CAPTION" "$IDYES"
e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_DONE" "$IDOK"
e2e_press "$E2E_CAPTION" "$IDOK"
e2e_expect_exit 0
e2e_expect_box_calls "W $E2E_STYLE_QUESTION" "W $E2E_STYLE_DONE"

# The hold met the open that holds the file against writers: holdfile had the file
# before Yes was pressed, and after the lock the installer's first opens failed; the
# last three calls are that open going through, the read's own and the create of
# the new file.
e2e_expect_brief_hold none
opens=$(e2e_program_results CreateFileW)
[[ $opens =~ ^[0-9a-f]{8}\ (ffffffff\ )+[0-9a-f]{8}\ [0-9a-f]{8}\ [0-9a-f]{8}$ &&
    ! $opens =~ ffffffff\ [0-9a-f]{8}\ [0-9a-f]{8}$ ]] ||
    e2e_fail "CreateFileW returned \"$opens\", expected the lock, failures while held, then three handles"
waits=$(e2e_program_results Sleep | wc -w)
((waits > 0)) || e2e_fail "the installer retried the open without waiting"
e2e_log "  opens: \"$opens\", $waits waits"

e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-user-products.xml"

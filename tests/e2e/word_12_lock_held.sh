#!/usr/bin/env bash
# A second copy started while another holds the label file's lock (holdfile keeps
# pg_custom.xml.lock for 2 s, as a first copy at work does): it waits for the lock,
# then finds the pack the first copy added and leaves the file. Exit code 0, and the
# lock file is gone with the last holder.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

log='C:\velkaris.log'
log_host="$WINEPREFIX/drive_c/velkaris.log"
e2e_add_word 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
e2e_run_quiet 0 /quiet
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-user-products.xml"

: >"$E2E_LABEL_FILE.lock"
e2e_hold_briefly 2000 "$E2E_LABEL_FILE_WINDOWS.lock"
started=$(e2e_now)
e2e_run_quiet 0 /quiet /log "$log"
waited=$(e2e_seconds_since "$started")
e2e_expect_brief_hold none
LC_ALL=C awk -v s="$waited" 'BEGIN { exit !(s >= 1.5) }' ||
    e2e_fail "the second copy ended after $waited s, before the lock was let go"
e2e_log "  the second copy ended after $waited s"
e2e_expect_log "$log_host" "Word 12\\.0: label file .*: 5 of the user's products, pack already there, file unchanged$" \
    'Exit code 0$'
e2e_expect_only_label_file

#!/usr/bin/env bash
# Only Word 16.0 (2016 or 365): the box says this Word is not supported, in the
# No Word box's place and style; exit code 0, nothing changed. The log, asked for
# in a folder named with "ł" and Cyrillic letters (outside every ANSI code page
# that holds both), names the version seen.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

folder='Dzienniki łódź Журнал'
mkdir -p "$WINEPREFIX/drive_c/$folder"
e2e_add_word 16.0
e2e_snapshot before

E2E_PROGRAM_ARGS=(/log "C:\\$folder\\velkaris.log")
e2e_start_program
e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_TOO_NEW" "$IDOK"
e2e_press "$E2E_CAPTION" "$IDOK"
e2e_expect_exit 0
e2e_expect_box_calls "W $E2E_STYLE_NO_WORD"
e2e_expect_version_probes 8.0 9.0 10.0 11.0 12.0 14.0 15.0 16.0
e2e_expect_unchanged_since before after
e2e_expect_log "$WINEPREFIX/drive_c/$folder/velkaris.log" \
    'velkaris-labels 1\.0\.0 started by user [^ ]+ on computer [^ ]+$' \
    'Word found: none of 8\.0 to 12\.0; newer, not supported: 16\.0$' \
    'Outcome: only a Word newer than the pack supports, nothing to do$' \
    'Exit code 0$'

# Word 11.0 beside 16.0: installed for 11.0, and the Done box adds a line saying
# the newer Word is not one the pack serves; exit code 0.
e2e_add_word 11.0
e2e_run_answering_yes
e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_DONE\\r$E2E_TEXT_NEWER_TOO" "$IDOK"
e2e_press "$E2E_CAPTION" "$IDOK"
e2e_expect_exit 0
e2e_expect_log "$WINEPREFIX/drive_c/$folder/velkaris.log" 'Exit code 0$' \
    'Word found: 11\.0; newer, not supported: 16\.0$' 'Outcome: installed; Word 16\.0 is newer ' 'Exit code 0$'

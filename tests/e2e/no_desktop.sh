#!/usr/bin/env bash
# No desktop for the question (a display no X server listens on): the box cannot
# be shown, and no answer is taken for it: exit code 1, nothing changed, and the
# log holds the report and what to do.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 11.0
e2e_snapshot before
E2E_RUN_ENV=(DISPLAY=:9731)
E2E_PROGRAM_ARGS=(/log 'C:\velkaris.log')
e2e_start_program
e2e_expect_exit 1
e2e_expect_unchanged_since before after
e2e_expect_log "$WINEPREFIX/drive_c/velkaris.log" 'Word found: 11\.0$' \
    "Failure: Exception EOSError in module ${E2E_PROGRAM##*/} at [0-9A-F]{8}\\.$" \
    'Failure: Cannot show the question box\. ' "What to do: run the program in the user's session" 'Exit code 1$'

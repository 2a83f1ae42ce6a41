#!/usr/bin/env bash
# Word 12.0 with a UTF-16 little-endian label file (byte-order mark, CR LF)
# whose labels' names hold Latin-1 letters: every character is carried over,
# the result written in UTF-8 with no byte-order mark.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-utf16.xml"

e2e_run_answering_yes_expect_done

e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-utf16.xml"

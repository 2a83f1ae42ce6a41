#!/usr/bin/env bash
# Word 12.0 installed twice over no label file: the first run writes the fresh
# file; the second finds the pack in it and adds nothing, so the file differs
# only in the first product line's lost TAB and two empty lines before the footer.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0

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
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-fresh.xml"
answer_yes
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-second-run.xml"

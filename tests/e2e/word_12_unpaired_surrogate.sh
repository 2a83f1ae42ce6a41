#!/usr/bin/env bash
# Word 12.0 and 11.0 with a UTF-16 label file holding half of a surrogate pair:
# no UTF-8 text stands for it, so the file is refused rather than changed. The
# failure report names EFOpenError and the reason; exit code 1; the file and the
# folder stay as they were, and Word 11.0 gets its labels all the same.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 11.0 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-unpaired-surrogate.xml"
e2e_snapshot before

e2e_run_answering_yes_expect_failure EFOpenError
expected="Cannot open file \"$E2E_LABEL_FILE_WINDOWS\". It holds a broken UTF-16 character (a surrogate without its pair)."
[[ $E2E_FAILURE_MESSAGE == "$expected" ]] ||
    e2e_fail "the failure report reads \"$E2E_FAILURE_MESSAGE\", expected \"$expected\""

e2e_snapshot after
e2e_expect_installed before after 11.0:100
e2e_expect_label_file "$E2E_EXPECTED_DIR/existing-unpaired-surrogate.xml"

#!/usr/bin/env bash
# Word 12.0 and 10.0 with a label file whose labels lie in a second vendor set:
# they could not be carried over, so the file is refused rather than rewritten
# without them. The failure report names EFOpenError, the file's path and the
# reason; exit code 1; the file, the folder and the registry stay as they were.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 10.0 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-second-vendor-set.xml"
e2e_snapshot before

e2e_run_answering_yes_expect_failure EFOpenError
expected="Cannot open file \"$E2E_LABEL_FILE_WINDOWS\". Not all of the labels it holds could be read."
[[ $E2E_FAILURE_MESSAGE == "$expected" ]] ||
    e2e_fail "the failure report reads \"$E2E_FAILURE_MESSAGE\", expected \"$expected\""

e2e_expect_unchanged_since before after
e2e_expect_label_file "$E2E_EXPECTED_DIR/existing-second-vendor-set.xml"

#!/usr/bin/env bash
# Word 12.0 and 11.0 with a label file whose labels lie in a second vendor set:
# they could not be carried over, so the file is refused rather than rewritten
# without them. Word 11.0 gets its labels all the same; then the failure report
# names EFOpenError, the file's path and the reason; exit code 1; the file and its
# folder stay as they were, and the log holds both outcomes and what to do. Then a
# file that is not XML Word can read (an end tag misspelt): refused the same way,
# the report naming the line at fault.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 11.0 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-second-vendor-set.xml"
e2e_snapshot before

E2E_PROGRAM_ARGS=(/log 'C:\velkaris.log')
e2e_run_answering_yes_expect_failure EFOpenError
expected="Cannot open file \"$E2E_LABEL_FILE_WINDOWS\". Not all of the labels it holds could be read."
[[ $E2E_FAILURE_MESSAGE == "$expected" ]] ||
    e2e_fail "the failure report reads \"$E2E_FAILURE_MESSAGE\", expected \"$expected\""

e2e_snapshot after
e2e_expect_installed before after 11.0:100
e2e_expect_label_file "$E2E_EXPECTED_DIR/existing-second-vendor-set.xml"
e2e_expect_log "$WINEPREFIX/drive_c/velkaris.log" 'Answered Yes$' \
    'Word 12\.0: Failure: Cannot open file .*Not all of the labels it holds could be read\.$' \
    'Word 12\.0: What to do: rename the label file ' \
    'Word 11\.0: 17 values written under ' 'Outcome: failed for Word 12\.0$' 'Exit code 1$'

broken=$E2E_RUN/existing-broken.xml
sed '0,/<\/product>/s//<\/produkt>/' "$E2E_EXPECTED_DIR/existing-user-products.xml" >"$broken"
line=$(grep -n '</produkt>' "$broken" | cut -d: -f1)
e2e_put_label_file "$broken"
e2e_snapshot broken
e2e_run_answering_yes_expect_failure EFOpenError
expected="Cannot open file \"$E2E_LABEL_FILE_WINDOWS\". It is not XML that Word can read (line $line): rename or remove it, and run the installer again."
[[ $E2E_FAILURE_MESSAGE == "$expected" ]] ||
    e2e_fail "the failure report reads \"$E2E_FAILURE_MESSAGE\", expected \"$expected\""
e2e_expect_unchanged_since broken broken-after
e2e_expect_label_file "$broken"

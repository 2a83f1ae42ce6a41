#!/usr/bin/env bash
# Word 12.0, 11.0 and 8.0, while another program holds the label file open with
# no sharing (as Word does): the failure report names EFOpenError and the file's
# absolute path, exit code 1, no Done box; the file and the folder stay as they
# were, after the open was tried again a bounded number of times, and the older
# versions are installed all the same. Once the other program has let go, a
# second run installs everything.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 8.0 11.0 12.0
e2e_trace_file_calls
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
e2e_hold_label_file
e2e_snapshot before

e2e_run_answering_yes_expect_failure EFOpenError "Cannot open file \"$E2E_LABEL_FILE_WINDOWS\". "
[[ $E2E_FAILURE_MESSAGE =~ ^Cannot\ open\ file\ \"[^\"]*\"\.\ [^\ ].*\.$ ]] ||
    e2e_fail "the failure report gives no reason after the path: \"$E2E_FAILURE_MESSAGE\""

# The first create is the lock's, beside the file.
opens=$(e2e_program_results CreateFileW)
tries=$(($(wc -w <<<"$opens") - 1))
if [[ ! $opens =~ ^[0-9a-f]{8}\ (ffffffff\ ?)+$ ]] || ((tries < 2 || tries > 12)); then
    e2e_fail "CreateFileW returned \"$opens\", expected the lock, a few refused tries and nothing else"
fi
e2e_log "  open refused $tries times"

e2e_snapshot after
e2e_expect_installed before after 11.0:100 8.0:80
e2e_expect_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"

e2e_release_label_file
e2e_run_answering_yes_expect_done

e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-user-products.xml"
e2e_snapshot second
e2e_expect_installed before second 11.0:100 8.0:80

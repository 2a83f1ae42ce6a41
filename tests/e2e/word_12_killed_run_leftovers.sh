#!/usr/bin/env bash
# What a killed run can leave beside the label file: a half-written new file, the
# empty scratch file that was to take it away, and a lock file (left by a share's
# server that lost power). None of them blocks the next run: Done, exit code 0, the
# merged file and nothing else beside it.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
printf '<?xml version="1.0"?><vps><vendorProduc' >"$E2E_LABEL_FILE.new"
: >"$E2E_LABEL_FILE.new~"
: >"$E2E_LABEL_FILE.lock"

e2e_run_answering_yes_expect_done
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-user-products.xml"

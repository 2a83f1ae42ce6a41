#!/usr/bin/env bash
# Word 12.0 installed twice over no label file: the first run writes the fresh
# file; the second finds the pack in it, shows Done and leaves the file byte for
# byte as it was.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0

e2e_run_answering_yes_expect_done
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-fresh.xml"
e2e_run_answering_yes_expect_done
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-second-run.xml"

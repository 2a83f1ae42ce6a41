#!/usr/bin/env bash
# Every Word version, with a label file of LF line ends whose three labels are
# numbered 7, 3, 12: one question; the file merged (CR LF, the user's labels 1 to
# 3, the pack 4 to 20); the 17 values for each of 8.0 to 11.0; one Done box.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 8.0 9.0 10.0 11.0 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-lf-unordered.xml"
e2e_snapshot before

e2e_run_answering_yes_expect_done
e2e_expect_version_probes $E2E_PROBES 12.0 11.0 10.0 9.0 8.0

e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-lf-unordered.xml"
e2e_snapshot after
e2e_expect_installed before after 8.0:80 9.0:80 10.0:100 11.0:100

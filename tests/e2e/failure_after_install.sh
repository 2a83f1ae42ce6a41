#!/usr/bin/env bash
# Word 10.0 and 8.0, where 8.0's Custom Labels key refuses full access: 10.0 is
# installed first and keeps its values; the failure on 8.0 ends the program with
# the failure report and exit code 1, writing nothing for 8.0.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 8.0 10.0
e2e_add_read_only_key "$(e2e_custom_labels_key 8.0)"
e2e_snapshot before

e2e_run_answering_yes_expect_failure ERegistryException 'Office\8.0\Word' "Custom Labels"
e2e_expect_version_probes $E2E_PROBES 10.0 8.0

e2e_snapshot after
e2e_expect_installed before after 10.0:100
e2e_expect_files_unchanged before after

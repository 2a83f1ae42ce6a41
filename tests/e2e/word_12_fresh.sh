#!/usr/bin/env bash
# Word 12.0 alone, on a machine where Word never made its Microsoft\Office
# folder: the folder is made and holds a fresh label file, the pack with ids 1
# to 17; the Done box; no registry key or value written.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0
e2e_trace_registry_writes
[[ ! -e $E2E_APPDATA/Microsoft/Office ]] || e2e_fail "the template already has a Microsoft/Office folder"
e2e_snapshot before

e2e_run_answering_yes_expect_done
e2e_expect_version_probes $E2E_PROBES 12.0

e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-fresh.xml"
e2e_expect_no_registry_writes
e2e_snapshot after
e2e_expect_registry_unchanged before after

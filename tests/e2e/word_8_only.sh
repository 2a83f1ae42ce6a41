#!/usr/bin/env bash
# Word 8.0 alone: one question, then the 8.0 record set under its Custom Labels
# key and nothing else.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 8.0
e2e_snapshot before

e2e_run_answering_yes_expect_done
e2e_expect_version_probes $E2E_PROBES 8.0

e2e_snapshot after
e2e_expect_installed before after 8.0:80
e2e_expect_files_unchanged before after

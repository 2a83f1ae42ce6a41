#!/usr/bin/env bash
# Word 9.0 and 11.0: each gets its own record set, 11.0 installed before 9.0.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 9.0 11.0
e2e_snapshot before

e2e_run_answering_yes_expect_done
e2e_expect_version_probes $E2E_PROBES 11.0 9.0

e2e_snapshot after
e2e_expect_installed before after 9.0:80 11.0:100
e2e_expect_files_unchanged before after

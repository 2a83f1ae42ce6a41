#!/usr/bin/env bash
# Word 8.0 to 11.0 all present: one question, four installs, one Done box;
# 8.0 and 9.0 get the older record set, 10.0 and 11.0 the newer.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 8.0 9.0 10.0 11.0
e2e_snapshot before

e2e_run_answering_yes_expect_done
e2e_expect_version_probes $E2E_PROBES 11.0 10.0 9.0 8.0

e2e_snapshot after
e2e_expect_installed before after 8.0:80 9.0:80 10.0:100 11.0:100
e2e_expect_files_unchanged before after

#!/usr/bin/env bash
# Answering No, with every Word version present: no further box, exit code 0,
# no key, value or file created or changed.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 8.0 9.0 10.0 11.0 12.0
e2e_snapshot before

e2e_run_answering_no
e2e_expect_version_probes $E2E_PROBES

e2e_expect_unchanged_since before after

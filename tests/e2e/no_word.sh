#!/usr/bin/env bash
# No Word: Office keys of other programs and versions (an Excel 16.0 is no Word
# too new) do not count. The No Word box, exit code 0, nothing created.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_value "$E2E_OFFICE_KEY\\11.0\\Excel" Version REG_SZ 11
e2e_add_value "$E2E_OFFICE_KEY\\16.0\\Excel" Version REG_SZ 16
e2e_add_word 7.0
e2e_snapshot before

e2e_run_expect_no_word
e2e_expect_version_probes 8.0 9.0 10.0 11.0 12.0 14.0 15.0 16.0

e2e_expect_unchanged_since before after

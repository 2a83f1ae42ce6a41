#!/usr/bin/env bash
# Word 11.0 whose own key refuses full access: it is found all the same (detection
# only asks whether the key is there), and after Yes the failure report names the
# key, exit code 1, nothing written: never "no Word".
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_read_only_key "$E2E_OFFICE_KEY\\11.0\\Word"
e2e_snapshot before
e2e_run_answering_yes_expect_failure ERegistryException "'HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Word' with full access. "
e2e_expect_unchanged_since before after

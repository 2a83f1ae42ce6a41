#!/usr/bin/env bash
# Word 8.0 whose Custom Labels key refuses full access: after Yes the failure
# report names ERegistryException and the key, the program ends with exit code
# 1, no Done box, and nothing is written.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 8.0
e2e_add_read_only_key "$E2E_OFFICE_KEY\\8.0\\Word\\Custom Labels"
e2e_snapshot before

e2e_start_program
e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_QUESTION" "$IDYES" "$IDNO"
e2e_press "$E2E_CAPTION" "$IDYES"
e2e_expect_failure_box ERegistryException 'Office\8.0\Word' "Custom Labels"
e2e_press "$E2E_FAILURE_CAPTION" "$IDOK"
e2e_expect_exit 1
e2e_expect_box_calls "W $E2E_STYLE_QUESTION" "A $E2E_STYLE_FAILURE"

e2e_snapshot after
e2e_expect_registry_unchanged before after
e2e_expect_files_unchanged before after

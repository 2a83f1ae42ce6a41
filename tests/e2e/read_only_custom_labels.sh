#!/usr/bin/env bash
# Word 8.0 whose Custom Labels key refuses full access: after Yes the failure
# report names ERegistryException and the key, the program ends with exit code
# 1, no Done box, and nothing is written.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 8.0
e2e_add_read_only_key "$(e2e_custom_labels_key 8.0)"
e2e_snapshot before

e2e_run_answering_yes_expect_failure ERegistryException 'Office\8.0\Word' "Custom Labels"

e2e_expect_unchanged_since before after

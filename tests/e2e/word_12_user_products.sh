#!/usr/bin/env bash
# Word 12.0 with a label file that holds five labels of the user's own (ids 1 to
# 5): they come first, as they were, then two empty lines, the pack with ids 6
# to 22 and the footer.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
e2e_snapshot before

e2e_run_answering_yes_expect_done

e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-user-products.xml"
e2e_snapshot after
e2e_expect_registry_unchanged before after

#!/usr/bin/env bash
# Word 11.0 and 12.0 for a Ukrainian user, "Олеся", under code page 1250, which
# has no Cyrillic letter, with a label file of her own labels: Done, exit 0, her
# labels carried over in her own folder with the pack after them, the 17 values
# for 11.0.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_set_user 'Олеся'
e2e_add_word 11.0 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
e2e_snapshot before

e2e_run_answering_yes_expect_done

e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-user-products.xml"
e2e_snapshot after
e2e_expect_installed before after 11.0:100

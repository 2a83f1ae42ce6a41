#!/usr/bin/env bash
# Word 12.0 with a UTF-8 label file whose labels have Polish names, once without
# and once with a byte-order mark: the names are kept byte for byte, and both give
# the same file as the UTF-16 one does.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0
for existing in existing-polish-utf8.xml existing-polish-utf8-bom.xml; do
    e2e_log "label file $existing"
    e2e_put_label_file "$E2E_EXPECTED_DIR/$existing"
    e2e_run_answering_yes_expect_done
    e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-polish.xml"
done

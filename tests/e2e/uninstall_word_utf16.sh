#!/usr/bin/env bash
# Word 12.0 alone, its label file saved again by Word after the install: UTF-16, one
# element a line, the pack's products laid out like the user's. /uninstall still
# knows the pack's products, takes them out with their lines, and leaves the user's
# Polish names byte for byte in UTF-8, the declaration naming utf-8.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-installed-word-utf16.xml"
e2e_run_uninstall 'Etykiety marki Velkaris zostały usunięte.' -UNINSTALL
e2e_expect_label_file "$E2E_EXPECTED_DIR/existing-polish-utf8.xml"

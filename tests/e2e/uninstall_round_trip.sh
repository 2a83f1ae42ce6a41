#!/usr/bin/env bash
# Install, then /uninstall, with Word 11.0 and 12.0, a UTF-16 label file of the
# user's own labels with Polish names and a registry label of the user's: the
# uninstall asks its own question and says the pack was removed; the registry is
# as before the install, and the label file holds the user's products as the
# install left them (UTF-8), none of the pack's. A second /uninstall says the pack
# is not installed and rewrites nothing; installing again adds the whole pack.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

labels_11=$(e2e_custom_labels_key 11.0)
e2e_add_word 11.0 12.0
e2e_add_value "$labels_11" "Koperty żółte" REG_BINARY 0102030405
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-polish-utf16.xml"
e2e_snapshot before

e2e_run_answering_yes_expect_done
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-polish.xml"

e2e_run_uninstall 'Etykiety marki Velkaris zostały usunięte.' /uninstall
e2e_snapshot uninstalled
e2e_expect_registry_unchanged before uninstalled
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-polish-uninstalled.xml"

e2e_run_uninstall 'Pakiet etykiet marki Velkaris nie jest zainstalowany.' /uninstall
e2e_expect_unchanged_since uninstalled twice

e2e_run_answering_yes_expect_done
e2e_snapshot again
e2e_expect_installed before again 11.0:100
count=$(grep -c '<locName locale="all">Velkaris     L-[01][0-9]</locName>' "$E2E_LABEL_FILE")
((count == 17)) || e2e_fail "the label file holds $count of the pack's products after the new install, not 17"
e2e_log "  installed again: the whole pack"

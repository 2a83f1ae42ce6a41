#!/usr/bin/env bash
# Word 11.0 and 12.0 with a UTF-16 label file whose labels are named with every
# Polish letter, small and capital, and a character outside the Basic
# Multilingual Plane: Done, exit 0, the 17 values for 11.0, and the names carried
# over exactly, in UTF-8, in a well-formed file. A second run leaves the file as
# it was.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 11.0 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-polish-utf16.xml"
e2e_snapshot before

e2e_run_answering_yes_expect_done
e2e_snapshot after
e2e_expect_installed before after 11.0:100
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-polish.xml"
for name in 'Koperty małe ąćęłńóśźż' 'Etykieta żółta ĄĆĘŁŃÓŚŹŻ' 'Nuty 𝄞 Śpiewnik'; do
    grep -qF ">$name<" "$E2E_LABEL_FILE" || e2e_fail "the label file lacks the name \"$name\""
done
e2e_log "  the Polish names stand in the label file as UTF-8"

e2e_run_answering_yes_expect_done
e2e_snapshot again
e2e_expect_registry_unchanged after again
e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-polish-second-run.xml"

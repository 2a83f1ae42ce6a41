#!/usr/bin/env bash
# Word 12.0 for the user "Michał" under code page 1252, which has no "ł", while
# another user's profile "Michal" (the look-alike the code page would give)
# already has a Microsoft\Office folder: Done, exit 0, a fresh label file in
# Michał's own folder, and nothing written to Michal's.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

decoy="$WINEPREFIX/drive_c/users/Michal/AppData/Roaming/Microsoft/Office"
mkdir -p "$decoy"
e2e_set_user 'Michał'
e2e_add_word 12.0

e2e_run_answering_yes_expect_done

e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-fresh.xml"
[[ -z $(find "$decoy" -mindepth 1) ]] || e2e_fail "another user's folder was written: $(find "$decoy" -mindepth 1)"
e2e_log "  the folder of the user Michal stays empty"

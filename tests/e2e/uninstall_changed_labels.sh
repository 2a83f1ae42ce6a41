#!/usr/bin/env bash
# After an install for Word 11.0 and 12.0, the user changes one label of the pack in
# each: the value "Velkaris     L-15" and the product L-03's width. /uninstall /log
# removes the rest, keeps those two, says so in the Done box and names them in
# the log.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

log='C:\velkaris.log'
log_host="$WINEPREFIX/drive_c/velkaris.log"
labels_11=$(e2e_custom_labels_key 11.0)
changed=4c035c0000006c005d0042170000ca200000000000000000000042170000c820000002000200010002000000  # L-15 with its label height changed
e2e_add_word 11.0 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-polish-utf16.xml"
e2e_run_answering_yes_expect_done
e2e_add_value "$labels_11" "Velkaris     L-15" REG_BINARY "$changed"
sed -i 's/width="1746250"/width="1746000"/' "$E2E_LABEL_FILE"
# What must stay of the file: the user's products and the changed L-03, its lines
# from its product line to the empty line after it.
uninstalled="$E2E_EXPECTED_DIR/pg_custom-polish-uninstalled.xml"
{ sed '$d' "$uninstalled"; grep -B1 -A6 '>Velkaris     L-03<' "$E2E_LABEL_FILE"; tail -n1 "$uninstalled"; } \
    >"$E2E_RUN/pg_custom-l03-kept.xml"

e2e_run_uninstall 'Etykiety marki Velkaris zostały usunięte.\rPozostawiono etykiety zmienione po instalacji: 2.' \
    /Uninstall /log "$log"

e2e_snapshot after
values=$(e2e_flat_tree "$E2E_RUN/after.tree" | awk -F'\t' '$1 == "V" && $2 ~ /Custom Labels$/ { print $3 "=" $5 }')
[[ $values == "Velkaris     L-15=$changed" ]] ||
    e2e_fail "Custom Labels holds \"$values\", expected the changed L-15 alone"
e2e_log "  registry: the changed value alone is kept"
e2e_expect_label_file "$E2E_RUN/pg_custom-l03-kept.xml"
e2e_expect_log "$log_host" \
    'Answered Yes$' \
    'Word 12\.0: label file .* written, 16 of the pack.s products removed$' \
    'Word 12\.0: product "Velkaris     L-03" kept: changed after the install$' \
    'Word 11\.0: 16 values removed under HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11\.0\\Word\\Custom Labels$' \
    'Word 11\.0: value "Velkaris     L-15" kept: changed after the install$' \
    'Outcome: uninstalled, 2 changed labels kept$' \
    'Exit code 0$'

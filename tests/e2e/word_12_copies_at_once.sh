#!/usr/bin/env bash
# Four copies of the program started at the same moment (a logon script and Intune,
# two sessions of one user), ten rounds, under /quiet over the user's label file:
# every copy exits 0, and after every round the file is well-formed and holds each
# of the user's products and each label of the pack exactly once.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0
e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
cp "$E2E_PROGRAM" "$WINEPREFIX/drive_c/velkaris-labels.exe"
names=('Adresowe 70x36' 'Koperty DL' 'Segregator 38x190' 'CD 117' 'Mala 38x21')
for n in $(seq 1 17); do names+=("$(printf 'Velkaris     L-%02d' "$n")"); done

for round in $(seq 1 10); do
    codes=$(e2e_helper together 4 'C:\velkaris-labels.exe' /quiet | tr -d '\r' | paste -sd' ')
    [[ $codes == '0 0 0 0' ]] || e2e_fail "round $round: the copies ended with \"$codes\""
    xmllint --noout "$E2E_LABEL_FILE" >&2 || e2e_fail "round $round: the label file is not well-formed"
    for name in "${names[@]}"; do
        count=$(grep -o -F ">$name</locName>" "$E2E_LABEL_FILE" | wc -l)
        ((count == 1)) || e2e_fail "round $round: \"$name\" stands $count times in the label file"
    done
    e2e_expect_only_label_file
done
e2e_log "  10 rounds of 4 copies: every one exited 0, every label once after each round"

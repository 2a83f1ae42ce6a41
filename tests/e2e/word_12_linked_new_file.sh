#!/usr/bin/env bash
# Word 12.0 with pg_custom.xml.new already standing beside the label file as a
# link to the user's document, first a hard link, then a symbolic one: the link
# is removed, never written through. The document keeps its bytes, and the
# install ends in Done with the usual label file and nothing left beside it.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0
document=$E2E_APPDATA/../../Documents/praca.doc
mkdir -p "$(dirname "$document")" "$E2E_OFFICE_DIR"
printf 'Sprawozdanie roczne, wersja ostateczna\r\n' >"$document"
cp "$document" "$E2E_RUN/praca.original"

for kind in hard symbolic; do
    rm -f "$E2E_LABEL_FILE"
    if [[ $kind == hard ]]; then
        ln "$document" "$E2E_LABEL_FILE.new"
    else
        ln -s "$(realpath "$document")" "$E2E_LABEL_FILE.new"
    fi
    e2e_log "  pg_custom.xml.new: a $kind link to Documents/praca.doc"
    e2e_run_answering_yes_expect_done
    cmp -s "$E2E_RUN/praca.original" "$document" ||
        e2e_fail "the install wrote through the $kind link: praca.doc changed"
    e2e_log "  praca.doc keeps its bytes"
    e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-fresh.xml"
done

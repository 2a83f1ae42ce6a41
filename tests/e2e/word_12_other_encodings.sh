#!/usr/bin/env bash
# Word 12.0 with the Polish label file saved in other encodings XML allows:
# UTF-16 big-endian with its byte-order mark (Notepad's "Unicode big endian"),
# then UTF-32 little-endian without a mark (its "<?" tells it apart). Each time
# Done, and the user's labels carried over exactly as from the usual UTF-16 file.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0
source_text=$E2E_RUN/existing-polish.txt
tail -c +3 "$E2E_EXPECTED_DIR/existing-polish-utf16.xml" | iconv -f UTF-16LE -t UTF-8 >"$source_text"

for encoding in 'UTF-16BE marked' 'UTF-32LE'; do
    file=$E2E_RUN/existing-polish.${encoding%% *}
    if [[ $encoding == *marked ]]; then
        { printf '\xFE\xFF'; iconv -f UTF-8 -t "${encoding%% *}" "$source_text"; } >"$file"
    else
        # declaring the encoding it is in, as a file must
        sed 's/encoding="UTF-16"/encoding="UTF-32"/' "$source_text" | iconv -f UTF-8 -t "$encoding" >"$file"
    fi
    e2e_log "  the label file in $encoding"
    e2e_put_label_file "$file"
    e2e_run_answering_yes_expect_done
    e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-polish.xml"
done

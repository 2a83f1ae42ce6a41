#!/usr/bin/env bash
# Word 12.0 and 11.0, the label file's folder a small file system that its old
# label file nearly fills, so the new one cannot be written: the failure report
# (EWriteError, or EFCreateError should the create itself fail), exit code 1;
# the old file intact, no new file left behind; Word 11.0 installed all the same.
# Mounting needs root; without it the scenario reports itself skipped.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

SIZE=65536
mkdir -p "$E2E_OFFICE_DIR"
mount -t tmpfs -o "size=$SIZE,mode=0755" tmpfs "$E2E_OFFICE_DIR" 2>"$E2E_RUN/mount.err" ||
    e2e_skip "cannot mount a small file system here (needs root): $(<"$E2E_RUN/mount.err")"
e2e_on_end "umount $(printf '%q' "$E2E_OFFICE_DIR")"

# A file of 60 labels of the user's, about 40 KB, CR LF.
old_label_file() {
    local id
    printf '%s\r\n' '<?xml version="1.0" encoding="utf-8" standalone="yes"?>' \
        '<vps><vendorProductSets><vendorProductSet vendorID="0" vendor="Custom" copyright="" version="1" schemaVersion="1">'
    for ((id = 1; id <= 60; id++)); do
        printf '%s\r\n' \
            "	<product units=\"emu\" productID=\"$id\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">" \
            "		<prodName nameGroup=\"custom\"><locName locale=\"all\">Etykieta $id</locName></prodName>" \
            "		<desc descGroup=\"custom\"><locDesc locale=\"all\">Własna</locDesc></desc>" \
            "		<masterPanel masterID=\"0\" height=\"1080000\" width=\"1800000\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>" \
            '		<sheet height="10692130" width="7560310" allowPartialSheet="false" bgColor="" isTwoSided="false" printMirrored="false">' \
            "			<sheetGrid numAcross=\"4\" numDown=\"9\" horizGap=\"0\" vertGap=\"0\" posX=\"180000\" posY=\"486000\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>" \
            '		</sheet>' \
            '	</product>'
    done
    printf '%s\r\n' '</vendorProductSet></vendorProductSets></vps>'
}
old_label_file >"$E2E_RUN/old.xml"
e2e_put_label_file "$E2E_RUN/old.xml"
# The new file holds the old labels and the pack (13224 bytes on its own): it
# must not fit in what is left.
free=$(df -B1 --output=avail "$E2E_OFFICE_DIR" | tail -n 1 | tr -d ' ')
old_size=$(stat -c %s "$E2E_LABEL_FILE")
((free < old_size + 13224)) ||
    e2e_fail "the file system has $free bytes free, room for the new file of at least $((old_size + 13224))"
e2e_log "  label file of $old_size bytes on a file system of $SIZE bytes, $free free"

e2e_add_word 11.0 12.0
e2e_snapshot before

# Which of the two failures comes depends on the file system: read the report
# first, then check it as that kind.
e2e_run_answering_yes
e2e_read_box "$E2E_FAILURE_CAPTION"
if [[ $(e2e_box_text) == *EFCreateError* ]]; then
    e2e_expect_failure_box EFCreateError "Cannot create file \"$E2E_LABEL_FILE_WINDOWS\". "
else
    e2e_expect_failure_box EWriteError "Cannot write to file \"$E2E_LABEL_FILE_WINDOWS\". "
fi
e2e_dismiss_failure_report

e2e_snapshot after
e2e_expect_installed before after 11.0:100
e2e_expect_label_file "$E2E_RUN/old.xml"
# Folder times may change (a new file came and went); the files may not.
for name in before after; do
    awk -F'\t' '$2 == "f"' "$E2E_RUN/$name.files" >"$E2E_RUN/$name.only-files"
done
diff -u "$E2E_RUN/before.only-files" "$E2E_RUN/after.only-files" >&2 ||
    e2e_fail "the files in the application-data folder changed"
e2e_log "  files in the application-data folder unchanged"

#!/usr/bin/env bash
# Writes the Word 12.0 label files that the word_12_* scenarios start from
# (existing-*.xml) and the files they must end with (pg_custom-*.xml), into the
# folder of this script or into the folder given.
#
# The expected files are typed out from the label file's documented layout: the
# installer's header and footer lines, the 17 products of the pack from their
# line templates and table of sizes, and the user's products with the ids the
# renumbering must give them. Nothing here runs the installer or shares its code.
#
#   bash make_label_files.sh [OUT_DIR]
set -euo pipefail
out=${1:-$(cd "$(dirname "$0")" && pwd)}
mkdir -p "$out"
T=$'\t'

header='<?xml version="1.0"?><vps><vendorProductSets><vendorProductSet vendorID="0" vendor="Custom" copyright="" version="1" schemaVersion="1">'
footer='</vendorProductSet></vendorProductSets></vps>'
sheet='<sheet height="10692130" width="7560310" allowPartialSheet="false" bgColor="" isTwoSided="false" printMirrored="false">'

# code height width across down hgap vgap posx posy, in the order of the pack
pack_table() {
    cat <<'EOF'
L-01 763270 1368425 5 13 0 0 342265 360045
L-02 608330 1739265 4 16 0 0 288290 431800
L-03 914400 1746250 4 10 0 0 252095 720090
L-04 763270 1890395 4 13 0 0 0 360045
L-05 1062355 1882775 4 10 0 0 0 0
L-06 1422400 2268220 3 7 0 0 360045 360045
L-07 1216660 2376170 3 8 0 0 180340 431800
L-08 1296035 2448560 3 8 0 0 53975 107950
L-09 1692275 2448560 3 6 0 36195 53975 219710
L-10 1296035 2520315 3 8 0 0 0 125730
L-11 1216660 3201035 2 8 252095 0 431800 431800
L-12 1674495 3201035 2 6 252095 0 431800 269875
L-13 1522730 3780790 2 7 0 0 0 0
L-14 2664460 3780790 2 4 0 0 0 0
L-15 5328920 3780790 2 2 0 0 0 0
L-16 4986655 6840855 1 2 0 0 360045 360045
L-17 10689590 7524750 1 1 0 0 0 0
EOF
}

# pack_lines FIRST_ID: the pack's 133 lines (LF-ended), its products numbered
# from FIRST_ID on.
pack_lines() {
    local id=$1 code height width across down hgap vgap posx posy
    local l1 l2 l3 l4 l5 l6 l7
    while read -r code height width across down hgap vgap posx posy; do
        l1="<product units=\"emu\" productID=\"$id\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">"
        l2="<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     $code</locName></prodName>"
        l3='<desc descGroup="custom"><locDesc locale="all">Niestandardowa laserowa</locDesc></desc>'
        l4="<masterPanel masterID=\"0\" height=\"$height\" width=\"$width\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>"
        l5=$sheet
        l6="<sheetGrid numAcross=\"$across\" numDown=\"$down\" horizGap=\"$hgap\" vertGap=\"$vgap\" posX=\"$posx\" posY=\"$posy\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>"
        l7='</sheet></product>'
        printf '%s\n' "$T$l1$T"
        if [[ $code == L-11 ]]; then
            printf '%s\n' "$T$l2$l3$T"
        else
            printf '%s\n' "$T$l2$T" "$T$l3$T"
        fi
        printf '%s\n' "$T$l4$T"
        if [[ $code == L-04 ]]; then
            printf '%s\n' "$T$l5$l6$T"
        else
            printf '%s\n' "$T$l5$T" "$T$l6$T"
        fi
        printf '%s\n' "$T$l7$T"
        [[ $code == L-17 ]] || printf '%s\n' "$T$T"
        id=$((id + 1))
    done < <(pack_table)
}

# user_product INDENT ID NAME DESCRIPTION HEIGHT WIDTH ACROSS DOWN HGAP VGAP POSX POSY:
# one label of the user's own, the way Word writes it, one element a line.
user_product() {
    local i=$1 id=$2 name=$3 desc=$4 height=$5 width=$6 across=$7 down=$8 hgap=$9 vgap=${10} posx=${11} posy=${12}
    printf '%s\n' \
        "$i<product units=\"emu\" productID=\"$id\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">" \
        "$i$i<prodName nameGroup=\"custom\"><locName locale=\"all\">$name</locName></prodName>" \
        "$i$i<desc descGroup=\"custom\"><locDesc locale=\"all\">$desc</locDesc></desc>" \
        "$i$i<masterPanel masterID=\"0\" height=\"$height\" width=\"$width\" shape=\"rect\" cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" rightMargin=\"0\" centerContent=\"false\"></masterPanel>" \
        "$i$i$sheet" \
        "$i$i$i<sheetGrid numAcross=\"$across\" numDown=\"$down\" horizGap=\"$hgap\" vertGap=\"$vgap\" posX=\"$posx\" posY=\"$posy\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>" \
        "$i$i</sheet>" \
        "$i</product>"
}

# Five labels of the user's, ids 1 to 5 (plain ASCII).
user_products() {
    user_product "$T" 1 'Adresowe 70x36' 'Etykiety adresowe' 1296000 2520000 3 8 0 0 0 162000
    user_product "$T" 2 'Koperty DL' 'Na koperty' 1188000 3780000 2 9 0 0 0 0
    user_product "$T" 3 'Segregator 38x190' 'Grzbiety segregatorow' 6840000 1368000 5 1 0 0 108000 1926000
    user_product "$T" 4 'CD 117' 'Plyty CD' 4212000 4212000 1 2 0 360000 1674000 720000
    user_product "$T" 5 'Mala 38x21' 'Drobne' 762000 1368000 5 13 0 0 360000 540000
}

# Three labels with Latin-1 letters (UTF-8 here), ids 1 to 3.
latin_products() {
    user_product '  ' 1 'Wózki magazynowe' 'Magazyn B' 2160000 3600000 2 4 0 0 180000 720000
    user_product '  ' 2 'Größe 105x74' 'Étiquettes' 2664000 3780000 2 4 0 0 0 0
    user_product '  ' 3 'Año 2007' 'Señal' 1080000 1800000 4 9 0 0 180000 486000
}

# Labels named with every Polish letter, small and capital, and one name with a
# character outside the Basic Multilingual Plane (U+1D11E, a G clef), ids 1 to 3.
polish_products() {
    user_product "$T" 1 'Koperty małe ąćęłńóśźż' 'Zażółć gęślą jaźń' 1188000 2268000 3 9 0 0 0 0
    user_product "$T" 2 'Etykieta żółta ĄĆĘŁŃÓŚŹŻ' 'ZAŻÓŁĆ GĘŚLĄ JAŹŃ' 1296000 2520000 3 8 0 0 0 162000
    user_product "$T" 3 'Nuty 𝄞 Śpiewnik' 'Chór' 2664000 3780000 2 4 0 0 0 0
}

# Three labels numbered as a user's editing left them: 7, 3, 12.
unordered_products() {
    user_product ' ' "$1" 'Paczki 105x148' 'Nadawca' 5328000 3780000 2 2 0 0 0 0
    user_product ' ' "$2" 'Teczki' 'Opisy teczek' 1080000 2520000 3 9 0 0 0 360000
    user_product ' ' "$3" 'Zeszyty' 'Okladki' 1440000 2880000 2 7 360000 0 540000 360000
}

crlf() { sed 's/$/\r/'; }

# The products as the installer carries them over: from the first product
# element on, so the first line loses its indentation.
carried() { sed '1s/^[ \t]*//'; }

# merged PRODUCTS_FILE FIRST_PACK_ID: header, the products carried over, two
# empty lines, the pack numbered from FIRST_PACK_ID, footer.
merged() {
    printf '%s\n' "$header"
    carried <"$1"
    printf '\n\n'
    pack_lines "$2"
    printf '%s\n' "$footer"
}

word_file_head() {
    printf '%s\n' "<?xml version=\"1.0\" encoding=\"$1\" standalone=\"yes\"?>" \
        '<vps><vendorProductSets><vendorProductSet vendorID="0" vendor="Custom" copyright="" version="1" schemaVersion="1">'
}
word_file_tail() { printf '%s\n' '</vendorProductSet></vendorProductSets></vps>'; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A first install: header, the pack numbered 1 to 17, footer.
{ printf '%s\n' "$header"; pack_lines 1; printf '%s\n' "$footer"; } | crlf >"$out/pg_custom-fresh.xml"

# A second install over the first: the pack is there, so the file is left as it was.
cp "$out/pg_custom-fresh.xml" "$out/pg_custom-second-run.xml"

# The user's five products, CR LF, as Word leaves them.
user_products >"$tmp/user"
{ word_file_head utf-8; cat "$tmp/user"; word_file_tail; } | crlf >"$out/existing-user-products.xml"
merged "$tmp/user" 6 | crlf >"$out/pg_custom-user-products.xml"

# The same kind of file in UTF-16 little-endian with its byte-order mark; the
# result holds every character in UTF-8.
latin_products >"$tmp/latin"
{
    printf '\xff\xfe'
    { word_file_head UTF-16; cat "$tmp/latin"; word_file_tail; } | crlf | iconv -f UTF-8 -t UTF-16LE
} >"$out/existing-utf16.xml"
merged "$tmp/latin" 4 | crlf >"$out/pg_custom-utf16.xml"

# Polish names in UTF-16, in UTF-8 and in UTF-8 with its byte-order mark: each is
# carried over as UTF-8, byte for byte the same. A second run leaves the file as
# it was.
polish_products >"$tmp/polish"
{ word_file_head UTF-16; cat "$tmp/polish"; word_file_tail; } | crlf >"$tmp/polish-utf16-text"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$tmp/polish-utf16-text"; } >"$out/existing-polish-utf16.xml"
{ word_file_head utf-8; cat "$tmp/polish"; word_file_tail; } | crlf >"$out/existing-polish-utf8.xml"
{ printf '\xef\xbb\xbf'; cat "$out/existing-polish-utf8.xml"; } >"$out/existing-polish-utf8-bom.xml"
merged "$tmp/polish" 4 | crlf >"$out/pg_custom-polish.xml"
cp "$out/pg_custom-polish.xml" "$out/pg_custom-polish-second-run.xml"

# The UTF-16 file with the G clef's second half taken away: a surrogate without its
# pair, which no UTF-8 text can stand for.
clef=$(printf '\x34\xd8\x1e\xdd' | od -An -tx1 | tr -d ' \n')
hex=$(od -An -tx1 -v "$out/existing-polish-utf16.xml" | tr -d ' \n')
[[ $hex == *"$clef"* ]] || { echo "no G clef in existing-polish-utf16.xml" >&2; exit 1; }
printf '%s' "${hex/$clef/34d8}" | xxd -r -p >"$out/existing-unpaired-surrogate.xml"

# LF line ends and ids out of order: CR LF and ids 1, 2, 3 in the result.
unordered_products 7 3 12 >"$tmp/unordered-in"
unordered_products 1 2 3 >"$tmp/unordered-out"
{ word_file_head utf-8; cat "$tmp/unordered-in"; word_file_tail; } >"$out/existing-lf-unordered.xml"
merged "$tmp/unordered-out" 4 | crlf >"$out/pg_custom-lf-unordered.xml"

# Two vendor sets, the products in the second one only: they cannot be carried
# over, so the file must be refused and left alone.
{
    word_file_head utf-8
    printf '%s\n' '</vendorProductSet>' \
        '<vendorProductSet vendorID="1" vendor="Drukarnia" copyright="" version="1" schemaVersion="1">'
    user_product "$T" 1 'Drukarnia 63x38' 'Od drukarni' 1368000 2268000 3 7 0 0 252000 540000
    word_file_tail
} | crlf >"$out/existing-second-vendor-set.xml"

# What /uninstall leaves after an install: header, the products carried over, the
# two empty lines the install left before the pack, footer.
{ printf '%s\n' "$header"; carried <"$tmp/polish"; printf '\n\n%s\n' "$footer"; } |
    crlf >"$out/pg_custom-polish-uninstalled.xml"

# The installed file as Word saves it again: in UTF-16, one element a line, the pack's
# products written like the user's, ids 4 to 20. /uninstall leaves
# existing-polish-utf8.xml: the user's products as they stand, in UTF-8.
word_pack() {
    local id=$1 code height width across down hgap vgap posx posy
    while read -r code height width across down hgap vgap posx posy; do
        user_product "$T" "$id" "Velkaris     $code" 'Niestandardowa laserowa' \
            "$height" "$width" "$across" "$down" "$hgap" "$vgap" "$posx" "$posy"
        id=$((id + 1))
    done < <(pack_table)
}
{
    printf '\xff\xfe'
    { word_file_head UTF-16; cat "$tmp/polish"; word_pack 4; word_file_tail; } | crlf | iconv -f UTF-8 -t UTF-16LE
} >"$out/existing-installed-word-utf16.xml"

# The counts the layout promises: a fresh file of 135 lines whose longest line,
# product L-04's joined sheet line, has 248 characters, its TABs included.
lines=$(wc -l <"$out/pg_custom-fresh.xml")
((lines == 135)) || { echo "pg_custom-fresh.xml has $lines lines, not 135" >&2; exit 1; }
longest=$(tr -d '\r' <"$out/pg_custom-fresh.xml" | awk '{ if (length($0) > n) n = length($0) } END { print n }')
((longest == 248)) || { echo "the longest line has $longest characters, not 248" >&2; exit 1; }
((${#header} == 135 && ${#footer} == 45)) || { echo "header or footer has the wrong length" >&2; exit 1; }

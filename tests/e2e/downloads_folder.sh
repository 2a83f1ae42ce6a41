#!/usr/bin/env bash
# Run from the Downloads folder, beside DLLs a browser might have saved there under
# the names of DLLs that are not KnownDLLs, with Wine told to prefer such files to
# its own (as Windows does for a DLL in the program's folder): whether the user
# answers Yes or No, or has no Word, no process loads a DLL from that folder, none
# leaves its marker, and the boxes, exit code and registry are the usual ones.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# The folder Windows looks in first: the program's own. DLLs that Windows finds in
# its system folder only (KnownDLLs and what they load) and Wine's own drivers are
# no risk there; every other DLL the program loads must be among the planted ones.
KNOWN_DLLS=' kernel32 kernelbase ntdll user32 gdi32 gdi32full win32u advapi32 sechost rpcrt4
    shell32 shlwapi shcore msvcrt ucrtbase msvcp_win ole32 oleaut32 combase imm32 comdlg32
    clbcatq coml2 difxapi gdiplus imagehlp msctf normaliz nsi psapi setupapi wldap32 ws2_32
    bcryptprimitives wow64 wow64win wow64cpu '
# Wine's own libraries, which Windows does not have.
KNOWN_DLLS+=' zlib1 '
KNOWN_DLLS=" $(tr -s ' \n' ' ' <<<"$KNOWN_DLLS") "

profile=$(dirname "$(dirname "$E2E_APPDATA")")
[[ ${profile%/*} == "$WINEPREFIX/drive_c/users" ]] || e2e_fail "no user profile above $E2E_APPDATA"
DOWNLOADS="$profile/Downloads"
relative=${DOWNLOADS#"$WINEPREFIX/drive_c/"}
DOWNLOADS_WINDOWS="C:\\${relative//\//\\}"
mkdir -p "$DOWNLOADS"

planted=()
for dll in "$E2E_HELPERS"/planted/*.dll; do
    [[ -f $dll ]] || continue
    cp "$dll" "$DOWNLOADS/"
    planted+=("$(basename "$dll" .dll)")
done
for name in version uxtheme; do
    [[ " ${planted[*]} " == *" $name "* ]] || e2e_fail "no planted $name.dll in $E2E_HELPERS/planted"
done
cp "$E2E_PROGRAM" "$DOWNLOADS/"
E2E_PROGRAM="$DOWNLOADS/${E2E_PROGRAM##*/}"
# shellcheck disable=SC2034  # read by e2e_start_program
{
    E2E_RUN_DIR=$DOWNLOADS
    E2E_RUN_ENV=("WINEDLLOVERRIDES=$(IFS=,; printf '%s' "${planted[*]}")=n,b")
    E2E_DEBUG_CHANNELS=loaddll
}
e2e_log "  planted in $DOWNLOADS_WINDOWS: ${planted[*]}"

# Every module load the last run's trace shows, as "THREAD<TAB>PATH" with the
# path as Windows spells it.
loads() {
    sed -n 's/^\([0-9a-f]*\):trace:loaddll:[^ ]* Loaded L"\([^"]*\)".*/\1\t\2/p' "$E2E_RELAY" |
        sed 's/\\\\/\\/g'
}

# Said when the scenario ends, pass or fail: which planted DLLs were loaded, by what.
report_planted_loads() {
    local marker
    for marker in "$DOWNLOADS"/*.loaded; do
        [[ -e $marker ]] || continue
        printf 'planted %s loaded by: %s\n' "$(basename "$marker" .loaded)" \
            "$(tr -d '\r' <"$marker" | sort -u | paste -sd' ' -)" >&2
    done
}
e2e_on_end report_planted_loads

# After a run: nothing was loaded from the Downloads folder but the program itself,
# no planted DLL left its marker, and the program loaded no DLL that Windows would
# look for there without having it planted.
expect_nothing_loaded_from_downloads() {
    local all
    all=$(loads)
    [[ -n $all ]] || e2e_fail "the trace shows no module loads (is +loaddll traced?)"
    local from_downloads
    from_downloads=$(cut -f2 <<<"$all" | grep -iF "$DOWNLOADS_WINDOWS\\" |
        grep -vixF "$DOWNLOADS_WINDOWS\\${E2E_PROGRAM##*/}" | sort -u | paste -sd' ' - || true)
    [[ -z $from_downloads ]] || e2e_fail "loaded from the Downloads folder: $from_downloads"
    local markers
    markers=$(cd "$DOWNLOADS" && find . -maxdepth 1 -name '*.loaded' -printf '%P\n' | sort | paste -sd' ' -)
    [[ -z $markers ]] || e2e_fail "planted DLLs were loaded: $markers"
    # The program's own thread is the one that probes the Word keys.
    local thread
    thread=$(grep -a -m 1 ':Call advapi32\.RegOpenKeyExA(.*Office' "$E2E_RELAY" | cut -d: -f1 || true)
    [[ -n $thread ]] || e2e_fail "the relay trace shows no probe of a Word key"
    local name unplanted=()
    while IFS= read -r name; do
        [[ $KNOWN_DLLS != *" $name "* && " ${planted[*]} " != *" $name "* ]] || continue
        unplanted+=("$name")
    done < <(awk -F'\t' -v t="$thread" '$1 == t { print $2 }' <<<"$all" |
        sed -n 's/.*\\\([^\\]*\)\.dll$/\1/Ip' | tr '[:upper:]' '[:lower:]' | sort -u)
    ((${#unplanted[@]} == 0)) ||
        e2e_fail "the program loads ${unplanted[*]}, not KnownDLLs: plant them too (tests/e2e/helpers/CMakeLists.txt)"
    e2e_log "  nothing loaded from the Downloads folder, no planted DLL's marker"
}

# No Word.
e2e_snapshot none
e2e_run_expect_no_word
e2e_expect_version_probes 8.0 9.0 10.0 11.0 12.0 14.0 15.0 16.0
expect_nothing_loaded_from_downloads
e2e_expect_unchanged_since none none-after

# No.
e2e_add_word 9.0 11.0
e2e_snapshot before
e2e_run_answering_no
e2e_expect_version_probes $E2E_PROBES
expect_nothing_loaded_from_downloads
e2e_expect_unchanged_since before after-no

# Yes.
e2e_run_answering_yes_expect_done
e2e_expect_version_probes $E2E_PROBES 11.0 9.0
expect_nothing_loaded_from_downloads
e2e_snapshot after-yes
e2e_expect_installed before after-yes 9.0:80 11.0:100
e2e_expect_files_unchanged before after-yes

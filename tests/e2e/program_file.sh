#!/usr/bin/env bash
# The program file itself: a 32-bit Windows GUI program that needs no DLL beside
# Windows' own, carries one manifest that never asks to elevate and a version
# resource, has a name Windows does not take for an installer's, and a fixed link
# time stamp, so that two builds of one commit are the same bytes. The manifest
# declares DPI awareness, and the program holds the project's icon.
set -euo pipefail
program=$1
root="$(cd "$(dirname "$0")/../.." && pwd)"
objdump=i686-w64-mingw32-objdump

fail() { echo "program_file: $*" >&2; exit 1; }

headers=$("$objdump" -p "$program")
grep -q '^Magic[[:space:]]*010b' <<<"$headers" || fail "not a PE32 (32-bit) program"
grep -q '^Subsystem[[:space:]]*00000002' <<<"$headers" || fail "not a Windows GUI program"

# The COFF header's TimeDateStamp, 8 bytes into the PE header (e_lfanew at 0x3C).
pe_header=$(od -An -tu4 -j60 -N4 "$program" | tr -d ' ')
stamp=$(od -An -tx4 -j$((pe_header + 8)) -N4 "$program" | tr -d ' ')
[[ $stamp == 00000000 ]] || fail "link time stamp $stamp, not the fixed 0: two builds would differ"

imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort -u)
for dll in $imports; do
    case $dll in
        kernel32.dll | user32.dll | advapi32.dll | shell32.dll | msvcrt.dll) ;;
        *) fail "imports $dll, which Windows does not ship" ;;
    esac
done

# Read whole first: grep -q in a pipe would stop strings early, and pipefail
# would take that for a failure.
texts=$(strings -a -n 6 "$program")
wide_texts=$(strings -a -e l "$program")
manifests=$(grep -c '<assembly xmlns=' <<<"$texts" || true)
[[ $manifests == 1 ]] || fail "holds $manifests manifests, not one"
grep -q 'requestedExecutionLevel level="asInvoker"' <<<"$texts" ||
    fail "the manifest does not run the program as the user who starts it"
grep -q '<dpiAware [^>]*>true<' <<<"$texts" && grep -q '<dpiAwareness [^>]*>PerMonitorV2<' <<<"$texts" ||
    fail "the manifest does not declare DPI awareness: Windows would stretch the boxes"
grep -q '^FileDescription$' <<<"$wide_texts" || fail "no version resource"
# The icon read back from the program is, pixel for pixel, the one scripts/icon draws,
# and that is the committed one, byte for byte.
scratch=$(mktemp -d) && trap 'rm -rf "$scratch"' EXIT
wrestool -x -t14 "$program" >"$scratch/program.ico" || fail "holds no icon"
bash "$root/scripts/icon" "$scratch/drawn.ico"
cmp -s "$scratch/drawn.ico" "$root/src/platform/win32/velkaris-labels.ico" || fail "scripts/icon draws another icon"
pixels() { identify -format '%wx%h %# ' "$1"; }
[[ $(pixels "$scratch/program.ico") == "$(pixels "$scratch/drawn.ico")" &&
    $(identify -format '%wx%h ' "$scratch/drawn.ico") == '16x16 32x32 48x48 256x256 ' ]] ||
    fail "the icon is not the project's, at 16, 32, 48 and 256 pixels"
# Paths reach Windows in UTF-16 only: no ANSI file, folder or error-text call is
# imported and no ANSI shell call is looked up by name.
ansi=$(grep -xE '(CreateFile|FindFirstFile|GetFullPathName|CreateDirectory|MoveFileEx|DeleteFile|FormatMessage|GetModuleFileName|SHGetSpecialFolderPath|SHGetFolderPath)A' <<<"$texts" |
    paste -sd' ' - || true)
[[ -z $ansi ]] || fail "names ANSI calls that would take paths in the system's code page: $ansi"

name=$(basename "$program" | tr '[:upper:]' '[:lower:]')
for word in install setup update patch; do
    [[ $name != *$word* ]] || fail "the name $name holds \"$word\": Windows would ask to elevate it"
done
echo "program_file: $(basename "$program") is sound"

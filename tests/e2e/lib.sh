# shellcheck shell=bash
# Shared by the end-to-end scenarios and scripts/demo; source it from bash.
#
# It keeps one Wine prefix template per machine (built once, cached under the
# work folder), gives each run a cheap copy of it, runs a private Xvfb, drives the
# installer's message boxes through the boxreader helper and compares the
# registry with data typed out in tests/e2e/expected/.
#
# A scenario script is called as:  bash SCENARIO.sh PROGRAM_EXE HELPERS_DIR WORK_DIR
# and runs under the locale of its environment (LANG / LC_ALL).

set -euo pipefail

E2E_LIB_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
E2E_EXPECTED_DIR="$E2E_LIB_DIR/expected"

# Raise when the way the template is made changes, so cached ones are rebuilt.
E2E_TEMPLATE_RECIPE=1

# shellcheck disable=SC2034  # used by the scripts that source this file
{
    E2E_CAPTION='Velkaris - instalator etykiet'
    E2E_FAILURE_CAPTION='Application Error'
    # As boxreader prints them: UTF-8, with a carriage return shown as \r.
    E2E_TEXT_QUESTION='Czy chcesz zainstalować pakiet etykiet marki Velkaris\rdo użytku z programem MS Word?'
    E2E_TEXT_DONE='Etykiety zostały zainstalowane\rŻyczymy miłej pracy!'
    E2E_TEXT_NO_WORD='Na tym komputerze nie zainstalowano programu MS Word\rInstalacja etykiet nie jest możliwa!'
    E2E_TEXT_NEWER_TOO='Zainstalowana jest również nowsza wersja programu MS Word, której ten pakiet nie obsługuje.'
    E2E_TEXT_UNINSTALL_QUESTION='Czy chcesz usunąć pakiet etykiet marki Velkaris z programu MS Word?'
    E2E_TEXT_TOO_NEW='Zainstalowana wersja programu MS Word nie jest obsługiwana\rInstalacja etykiet nie jest możliwa!'
    # Message box styles, as MessageBoxW / MessageBoxA receive them.
    E2E_STYLE_QUESTION=00000024
    E2E_STYLE_DONE=00040040
    E2E_STYLE_NO_WORD=00040030
    E2E_STYLE_FAILURE=00002010

    IDOK=1
    IDYES=6
    IDNO=7
}

E2E_OFFICE_KEY='Software\Microsoft\Office'

# A scenario that cannot run on this machine ends with this code (ctest's
# SKIP_RETURN_CODE for it).
E2E_SKIP_STATUS=77

# The program ships as a 32-bit one and is tested as such. A kernel built or booted
# without 32-bit support runs no 32-bit Wine: there the scenarios take the 64-bit
# build of the same sources in a 64-bit prefix (E2E_WINEARCH=win64).
export WINEARCH=${E2E_WINEARCH:-win32}
if [[ $WINEARCH == win64 ]]; then
    PATH="$E2E_LIB_DIR/wine64:$PATH"
fi
export WINEDEBUG=-all

e2e_now() { date +%s.%N; }
e2e_seconds_since() { LC_ALL=C awk -v a="$1" -v b="$(e2e_now)" 'BEGIN { printf "%.1f", b - a }'; }

e2e_log() { printf '%s\n' "$*"; }

e2e_fail() {
    printf 'FAIL: %s\n' "$*" >&2
    if [[ -n ${E2E_PROGRAM_PID-} && -n ${E2E_HELPERS-} ]] && kill -0 "$E2E_PROGRAM_PID" 2>/dev/null; then
        printf 'Windows open at the time:\n' >&2
        wine "$E2E_HELPERS/boxreader.exe" list >&2 2>/dev/null || true
    fi
    exit 1
}

# ---------------------------------------------------------------------------
# The template prefix

e2e_template_settings() {
    cat <<'EOF'
REGEDIT4

; Without a window manager, unmanaged windows close at once instead of after ~2 s.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

; A relay trace of these calls shows each box's style and the keys probed.
[HKEY_CURRENT_USER\Software\Wine\Debug]
"RelayInclude"="user32.MessageBoxA;user32.MessageBoxW;advapi32.RegOpenKeyExA"

; No Mono or Gecko prompts, no menu entries in the host's home folder.
[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"mscoree"=""
"mshtml"=""
"winemenubuilder.exe"=""

; A crash ends the program instead of waiting in a dialog.
[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
EOF
}

# Makes a prefix in NEW the way every test run wants it; LOG gets Wine's output.
e2e_build_template() {
    local new=$1 log=$2
    local settings="$new.settings.reg" appdata link
    export WINEPREFIX="$new"
    unset DISPLAY
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" wineboot -u >>"$log" 2>&1 || return 1
    e2e_template_settings >"$settings"
    wine reg import "$settings" >>"$log" 2>&1 || return 1
    rm -f "$settings"
    appdata=$(wine cmd /c 'echo %APPDATA%' 2>>"$log" | tr -d '\r') || return 1
    appdata=$(winepath -u "$appdata" 2>>"$log") || return 1
    appdata=$(realpath -e "$appdata") || return 1
    [[ $appdata == "$new"/* ]] || return 1
    printf '%s\n' "${appdata#"$new"/}" >"$new/.e2e-appdata"
    # Registry changes reach the files when the server ends.
    wineserver -w
    # The user folders link to the host's home folder: make them the prefix's own.
    find "$new/drive_c/users" -maxdepth 2 -type l -print0 >"$new.links" || return 1
    while IFS= read -r -d '' link; do
        rm "$link" && mkdir "$link" || return 1
    done <"$new.links"
    rm -f "$new.links"
}

# Builds WORK/template unless an up-to-date one is there. Safe to call from
# several processes at once: the first builds, the others wait for it.
e2e_ensure_template() {
    local work
    work=$(realpath -m "$1")
    local template="$work/template"
    local want
    want="recipe $E2E_TEMPLATE_RECIPE; $WINEARCH; $(wine --version); $(id -un)"
    mkdir -p "$work"
    local lock
    exec {lock}>"$work/template.lock"
    flock "$lock"
    if [[ -f $template/.e2e-stamp && $(<"$template/.e2e-stamp") == "$want" ]]; then
        exec {lock}>&-
        return 0
    fi
    local start new="$work/template.new"
    start=$(e2e_now)
    e2e_log "Building the Wine prefix template in $template"
    rm -rf "$template" "$new"
    : >"$work/template.log"
    if ! (e2e_build_template "$new" "$work/template.log"); then
        exec {lock}>&-
        e2e_fail "could not build the prefix template (see $work/template.log)"
    fi
    printf '%s\n' "$want" >"$new/.e2e-stamp"
    mv "$new" "$template"
    e2e_log "Template built in $(e2e_seconds_since "$start") s"
    exec {lock}>&-
}

# A run's own prefix: the large Windows folder hard-linked, everything Wine
# writes to (registry files, ini files, user folders) copied.
e2e_copy_prefix() {
    local from=$1 to=$2
    rm -rf "$to"
    mkdir -p "$to/drive_c"
    find "$from" -maxdepth 1 -type f -exec cp -a {} "$to/" \;
    cp -a "$from/dosdevices" "$to/"
    cp -al "$from/drive_c/windows" "$to/drive_c/"
    local ini
    for ini in "$to"/drive_c/windows/*.ini; do
        if [[ -e $ini ]]; then
            cp --remove-destination "$from/drive_c/windows/${ini##*/}" "$ini"
        fi
    done
    local entry
    for entry in "$from"/drive_c/*; do
        if [[ ${entry##*/} != windows ]]; then
            cp -a "$entry" "$to/drive_c/"
        fi
    done
}

# ---------------------------------------------------------------------------
# A private X server

# Starts Xvfb on a display number it picks itself; sets DISPLAY and E2E_XVFB_PID.
e2e_start_xvfb() {
    local log=$1
    local number_file="$log.display"
    rm -f "$number_file"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" 2>"$log" &
    E2E_XVFB_PID=$!
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        [[ -s $number_file ]] && break
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_fail "Xvfb did not start (see $log)"
        sleep 0.05
    done
    [[ -s $number_file ]] || e2e_fail "Xvfb gave no display number (see $log)"
    DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    export DISPLAY
}

e2e_stop_xvfb() {
    if [[ -n ${E2E_XVFB_PID-} ]]; then
        kill "$E2E_XVFB_PID" 2>/dev/null || true
        wait "$E2E_XVFB_PID" 2>/dev/null || true
        E2E_XVFB_PID=
    fi
}

# ---------------------------------------------------------------------------
# Scenario life cycle

e2e_locale_setup() {
    local name=${LC_ALL:-${LANG:-}}
    if [[ -z $name ]]; then
        export LANG=C.UTF-8
        name=C.UTF-8
    fi
    case $name in
        pl_PL*)
            grep -qix 'pl_PL.utf8' <<<"$(locale -a 2>/dev/null)" ||
                e2e_fail "locale pl_PL.UTF-8 is not generated (scripts/setup makes it)"
            E2E_ACP=1250 E2E_LOCALE_TAG=pl_PL ;;
        *)
            E2E_ACP=1252 E2E_LOCALE_TAG=${name%%.*} ;;
    esac
}

e2e_begin() {
    (($# == 3)) || { echo "usage: bash $0 PROGRAM_EXE HELPERS_DIR WORK_DIR" >&2; exit 64; }
    E2E_PROGRAM=$(realpath "$1")
    E2E_HELPERS=$(realpath "$2")
    E2E_WORK=$(realpath -m "$3")
    [[ -f $E2E_PROGRAM ]] || e2e_fail "no program at $E2E_PROGRAM"
    local helper
    for helper in boxreader regdump regacl holdfile; do
        [[ -f $E2E_HELPERS/$helper.exe ]] || e2e_fail "no helper $E2E_HELPERS/$helper.exe"
    done
    e2e_locale_setup
    E2E_NAME="$(basename "$0" .sh)-$E2E_LOCALE_TAG"
    E2E_RUN="$E2E_WORK/runs/$E2E_NAME"
    rm -rf "$E2E_RUN"
    mkdir -p "$E2E_RUN"
    E2E_BOX_COUNT=0
    E2E_RUN_COUNT=0
    E2E_PROGRAM_PID=
    E2E_HOLD_PID=
    E2E_END_HOOKS=()
    E2E_RUN_DIR=
    E2E_RUN_ENV=()
    E2E_PROGRAM_ARGS=()
    E2E_DEBUG_CHANNELS=
    e2e_ensure_template "$E2E_WORK"
    E2E_START=$(e2e_now)
    trap e2e_end EXIT
    export WINEPREFIX="$E2E_RUN/prefix"
    e2e_copy_prefix "$E2E_WORK/template" "$WINEPREFIX"
    E2E_APPDATA="$WINEPREFIX/$(<"$WINEPREFIX/.e2e-appdata")"
    e2e_label_file_paths
    e2e_start_xvfb "$E2E_RUN/xvfb.log"
    # One server for the whole scenario: registry state that only lives in the
    # server (key security) survives from one Wine command to the next.
    wineserver -p
    e2e_log "$E2E_NAME: prefix $WINEPREFIX, DISPLAY $DISPLAY, code page $E2E_ACP"
}

e2e_end() {
    local status=$?
    trap - EXIT
    if [[ -n ${E2E_PROGRAM_PID-} ]]; then
        kill "$E2E_PROGRAM_PID" 2>/dev/null || true
        wait "$E2E_PROGRAM_PID" 2>/dev/null || true
    fi
    if [[ -n ${WINEPREFIX-} ]]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    e2e_stop_xvfb
    # After Wine has let go of every file: a hook may unmount what it mounted.
    local hook
    for hook in ${E2E_END_HOOKS[@]+"${E2E_END_HOOKS[@]}"}; do
        if ! eval "$hook"; then
            printf 'FAIL: clean-up step "%s" failed\n' "$hook" >&2
            ((status != 0 && status != E2E_SKIP_STATUS)) || status=1
        fi
    done
    if ((status == E2E_SKIP_STATUS)); then
        rm -rf "$WINEPREFIX"
        e2e_log "SKIP $E2E_NAME"
    elif ((status == 0)); then
        rm -rf "$WINEPREFIX"
        e2e_log "PASS $E2E_NAME in $(e2e_seconds_since "$E2E_START") s"
    else
        e2e_log "FAIL $E2E_NAME after $(e2e_seconds_since "$E2E_START") s; its files are in $E2E_RUN" >&2
    fi
    exit "$status"
}

# ---------------------------------------------------------------------------
# Setting up the registry

e2e_helper() {
    local name=$1
    shift
    wine "$E2E_HELPERS/$name.exe" "$@"
}

# Makes HKCU\Software\Microsoft\Office\<version>\Word for each version given.
e2e_add_word() {
    local version
    for version in "$@"; do
        e2e_reg_add "HKCU\\$E2E_OFFICE_KEY\\$version\\Word" /f || e2e_fail "reg add of Word $version failed"
    done
}

# wine reg add ARGS..., tried again twice: on a loaded machine Wine's reg now and
# then fails once without a word while the prefix's wineserver is busy starting.
e2e_reg_add() {
    local attempt
    for attempt in 1 2 3; do
        wine reg add "$@" >/dev/null 2>>"$E2E_RUN/reg-add.err" && return 0
        sleep 1
    done
    return 1
}

# The key, under HKCU, that holds Word VERSION's label records.
e2e_custom_labels_key() {
    printf '%s\\%s\\Word\\Custom Labels' "$E2E_OFFICE_KEY" "$1"
}

# e2e_add_value KEY NAME TYPE DATA: a value under HKCU\KEY, made with reg add.
e2e_add_value() {
    e2e_reg_add "HKCU\\$1" /v "$2" /t "$3" /d "$4" /f ||
        e2e_fail "reg add of $1 \"$2\" failed"
}

# A key that exists but refuses KEY_ALL_ACCESS (read-only for everyone).
e2e_add_read_only_key() {
    e2e_helper regacl "$1" >"$E2E_RUN/regacl.out" 2>&1 ||
        e2e_fail "could not make $1 read-only: $(<"$E2E_RUN/regacl.out")"
}

# Records the Office registry tree and the application-data folder as NAME.tree
# and NAME.files in the run folder. Folders by name only: the label file's lock,
# made and deleted beside it, changes its folder's time.
e2e_snapshot() {
    local name=$1
    e2e_helper regdump "$E2E_OFFICE_KEY" >"$E2E_RUN/$name.tree" 2>"$E2E_RUN/$name.tree.err" ||
        e2e_fail "regdump failed: $(<"$E2E_RUN/$name.tree.err")"
    (cd "$E2E_APPDATA" && find . \( -type d -printf '%p\td\n' \) -o -printf '%p\t%y\t%s\t%T@\n' |
        LC_ALL=C sort) >"$E2E_RUN/$name.files"
}

# ---------------------------------------------------------------------------
# Running the program and answering its boxes

# A scenario may set, for the program's runs only (not the helpers'):
# E2E_RUN_DIR, the folder it starts in; E2E_RUN_ENV, NAME=VALUE settings;
# E2E_DEBUG_CHANNELS, Wine debug channels traced into E2E_RELAY beside the relay;
# and E2E_PROGRAM_ARGS, the program's arguments.
e2e_start_program() {
    [[ -z ${E2E_PROGRAM_PID-} ]] || e2e_fail "the program is already running"
    E2E_RUN_COUNT=$((E2E_RUN_COUNT + 1))
    E2E_RELAY="$E2E_RUN/relay-$E2E_RUN_COUNT.log"
    e2e_log "run $E2E_RUN_COUNT: wine ${E2E_PROGRAM##*/}${E2E_PROGRAM_ARGS[*]+ ${E2E_PROGRAM_ARGS[*]}}"
    env -C "${E2E_RUN_DIR:-$PWD}" ${E2E_RUN_ENV[@]+"${E2E_RUN_ENV[@]}"} \
        WINEDEBUG="-all,+relay${E2E_DEBUG_CHANNELS:+,$E2E_DEBUG_CHANNELS}" \
        wine "$E2E_PROGRAM" ${E2E_PROGRAM_ARGS[@]+"${E2E_PROGRAM_ARGS[@]}"} \
        >"$E2E_RUN/program-$E2E_RUN_COUNT.out" 2>"$E2E_RELAY" &
    E2E_PROGRAM_PID=$!
}

# Waits for the box with CAPTION and leaves boxreader's dump in E2E_BOX_FILE.
e2e_read_box() {
    local caption=$1
    E2E_BOX_COUNT=$((E2E_BOX_COUNT + 1))
    E2E_BOX_FILE="$E2E_RUN/box-$E2E_BOX_COUNT.txt"
    local deadline=$((SECONDS + 30))
    until e2e_helper boxreader read "$caption" 1000 >"$E2E_BOX_FILE" 2>/dev/null; do
        if ! kill -0 "$E2E_PROGRAM_PID" 2>/dev/null; then
            local status=0
            wait "$E2E_PROGRAM_PID" || status=$?
            E2E_PROGRAM_PID=
            e2e_fail "the program ended with exit code $status before showing a box \"$caption\""
        fi
        ((SECONDS < deadline)) || e2e_fail "no box \"$caption\" within 30 s"
    done
    grep -qxF "acp	$E2E_ACP" "$E2E_BOX_FILE" ||
        e2e_fail "Wine runs with code page $(awk -F'\t' '$1 == "acp" { print $2 }' "$E2E_BOX_FILE"), expected $E2E_ACP"
    grep -qxF "window	#32770	$caption" "$E2E_BOX_FILE" ||
        e2e_fail "box \"$caption\" is not a message box: $(<"$E2E_BOX_FILE")"
}

# The box's message: the one static control that holds text.
e2e_box_text() {
    awk -F'\t' '$1 == "child" && $2 == "Static" && $4 != "" { print $4 }' "$E2E_BOX_FILE"
}

# The control IDs of its buttons, ascending, space-separated.
e2e_box_buttons() {
    awk -F'\t' '$1 == "child" && $2 == "Button" { print $3 }' "$E2E_BOX_FILE" | sort -n | paste -sd' ' -
}

# e2e_expect_box CAPTION TEXT BUTTON_ID...: the box is there and shows exactly
# that text (as boxreader escapes it) and exactly those buttons.
e2e_expect_box() {
    local caption=$1 text=$2
    shift 2
    local buttons="$*"
    e2e_read_box "$caption"
    local shown
    shown=$(e2e_box_text)
    [[ $shown == "$text" ]] ||
        e2e_fail "box \"$caption\" shows \"$shown\", expected \"$text\""
    [[ $(e2e_box_buttons) == "$buttons" ]] ||
        e2e_fail "box \"$caption\" has buttons \"$(e2e_box_buttons)\", expected \"$buttons\""
    e2e_log "  box \"$caption\": \"$shown\", buttons $buttons"
}

# e2e_expect_failure_box KIND TEXT...: the failure report names the error kind
# and the program's file, gives an 8-digit position and a message that ends with
# a period and holds each TEXT. The message is left in E2E_FAILURE_MESSAGE.
e2e_expect_failure_box() {
    local kind=$1
    shift
    e2e_read_box "$E2E_FAILURE_CAPTION"
    local shown module=${E2E_PROGRAM##*/}
    shown=$(e2e_box_text)
    local pattern="^Exception $kind in module ${module//./\\.} at [0-9A-F]{8}\\.\\\\r\\\\n(.+)\\\\r\\\\n\$"
    [[ $shown =~ $pattern ]] ||
        e2e_fail "the failure report reads \"$shown\", not \"Exception $kind in module $module at XXXXXXXX.\\r\\n<message>\\r\\n\""
    local message
    message=$(printf '%s' "${BASH_REMATCH[1]}" | sed 's/\\\\/\\/g')
    [[ $message == *. ]] || e2e_fail "the failure report's message \"$message\" does not end with a period"
    # shellcheck disable=SC2034  # read by the scenarios
    E2E_FAILURE_MESSAGE=$message
    local fragment
    for fragment in "$@"; do
        [[ $message == *"$fragment"* ]] ||
            e2e_fail "the failure report's message \"$message\" does not name \"$fragment\""
    done
    [[ $(e2e_box_buttons) == "$IDOK" ]] ||
        e2e_fail "the failure report has buttons \"$(e2e_box_buttons)\", expected $IDOK"
    e2e_log "  box \"$E2E_FAILURE_CAPTION\": \"$shown\""
}

e2e_press() {
    local caption=$1 id=$2
    e2e_helper boxreader click "$caption" "$id" 10000 2>"$E2E_RUN/click.err" ||
        e2e_fail "could not press button $id of \"$caption\": $(<"$E2E_RUN/click.err")"
    e2e_log "  pressed $id"
}

# Waits for the program to end and checks its exit code (Wine passes on its low
# 8 bits).
e2e_expect_exit() {
    local expected=$1
    local deadline=$((SECONDS + 30))
    while kill -0 "$E2E_PROGRAM_PID" 2>/dev/null; do
        ((SECONDS < deadline)) || e2e_fail "the program did not end within 30 s"
        sleep 0.05
    done
    local status=0
    wait "$E2E_PROGRAM_PID" || status=$?
    E2E_PROGRAM_PID=
    ((status == expected)) || e2e_fail "exit code $status, expected $expected"
    e2e_log "  exit code $status"
}

# e2e_expect_box_calls "W 00000024" ...: the message boxes the last run showed,
# in order, as the function's last letter and the style passed to it.
e2e_expect_box_calls() {
    local calls
    calls=$(sed -n 's/^[0-9a-f]*:Call user32\.MessageBox\([AW]\)(.*,\([0-9a-f]\{8\}\)) ret=[0-9a-f]*$/\1 \2/p' "$E2E_RELAY" |
        paste -sd, -)
    local expected
    expected=$(printf '%s\n' "$@" | paste -sd, -)
    [[ $calls == "$expected" ]] || e2e_fail "message box calls \"$calls\", expected \"$expected\""
}

# Every run first asks of each version's key whether it is there, in this order.
E2E_PROBES='8.0 9.0 10.0 11.0 12.0 14.0 15.0 16.0'

# e2e_expect_version_probes 8.0 9.0 ...: the Word version keys the last run
# tried to open, in order.
e2e_expect_version_probes() {
    local probes
    probes=$(grep -a ':Call advapi32\.RegOpenKeyExA(' "$E2E_RELAY" |
        sed -n 's/.*Office\\\\\([0-9.]*\)\\\\Word.*/\1/p' | paste -sd' ' -)
    [[ $probes == "$*" ]] || e2e_fail "Word keys opened in the order \"$probes\", expected \"$*\""
}

# The usual conversations, from start to exit. Scenarios that differ (another
# answer, a box read twice) use the steps above directly.

# Starts the program, expects the question with Yes and No, and answers Yes.
e2e_run_answering_yes() {
    e2e_start_program
    e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_QUESTION" "$IDYES" "$IDNO"
    e2e_press "$E2E_CAPTION" "$IDYES"
}

# A run that answers Yes and gets the Done box: OK ends it with exit code 0,
# and those two boxes were the only ones shown.
e2e_run_answering_yes_expect_done() {
    e2e_run_answering_yes
    e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_DONE" "$IDOK"
    e2e_press "$E2E_CAPTION" "$IDOK"
    e2e_expect_exit 0
    e2e_expect_box_calls "W $E2E_STYLE_QUESTION" "W $E2E_STYLE_DONE"
}

# e2e_run_uninstall TEXT ARGS...: the program with ARGS (/uninstall among them) asks
# the uninstall's question, is answered Yes, and ends with TEXT in the Done box's
# style and exit code 0.
e2e_run_uninstall() {
    local text=$1
    shift
    E2E_PROGRAM_ARGS=("$@")
    e2e_start_program
    E2E_PROGRAM_ARGS=()
    e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_UNINSTALL_QUESTION" "$IDYES" "$IDNO"
    e2e_press "$E2E_CAPTION" "$IDYES"
    e2e_expect_box "$E2E_CAPTION" "$text" "$IDOK"
    e2e_press "$E2E_CAPTION" "$IDOK"
    e2e_expect_exit 0
    e2e_expect_box_calls "W $E2E_STYLE_QUESTION" "W $E2E_STYLE_DONE"
}

# A run that answers No: exit code 0, and the question was the only box.
e2e_run_answering_no() {
    e2e_start_program
    e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_QUESTION" "$IDYES" "$IDNO"
    e2e_press "$E2E_CAPTION" "$IDNO"
    e2e_expect_exit 0
    e2e_expect_box_calls "W $E2E_STYLE_QUESTION"
}

# A run that finds no Word: the No Word box alone, then exit code 0.
e2e_run_expect_no_word() {
    e2e_start_program
    e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_NO_WORD" "$IDOK"
    e2e_press "$E2E_CAPTION" "$IDOK"
    e2e_expect_exit 0
    e2e_expect_box_calls "W $E2E_STYLE_NO_WORD"
}

# e2e_run_quiet EXIT_CODE ARGS...: a run with those arguments that shows no
# window at all (boxreader lists the windows again and again while it runs, and
# the relay trace shows no message box call) and ends with EXIT_CODE.
e2e_run_quiet() {
    local expected=$1
    shift
    E2E_PROGRAM_ARGS=("$@")
    e2e_start_program
    E2E_PROGRAM_ARGS=()
    local windows="$E2E_RUN/windows-$E2E_RUN_COUNT.txt" looks=0
    : >"$windows"
    while kill -0 "$E2E_PROGRAM_PID" 2>/dev/null; do
        e2e_helper boxreader list >>"$windows" 2>/dev/null || true
        looks=$((looks + 1))
    done
    [[ ! -s $windows ]] || e2e_fail "windows appeared during a quiet run: $(tr '\n' ' ' <"$windows")"
    e2e_expect_exit "$expected"
    e2e_expect_box_calls
    e2e_log "  no window while it ran ($looks looks), no message box call"
}

# e2e_expect_log FILE PATTERN...: the log FILE (a host path) holds, in order, a
# line matching each extended regular expression PATTERN after its time stamp and
# process id, and every line ends with CR LF.
e2e_expect_log() {
    local file=$1
    shift
    [[ -f $file ]] || e2e_fail "no log at $file"
    local lines
    lines=$(sed 's/\r$//' "$file")
    local crlf
    crlf=$(grep -c $'\r$' "$file" || true)
    ((crlf == $(wc -l <"$file"))) || e2e_fail "the log has lines that do not end with CR LF"
    local pattern rest=$lines
    for pattern in "$@"; do
        local found
        found=$(grep -n -m 1 -E "^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} \\[[0-9]+\\] $pattern" <<<"$rest" |
            cut -d: -f1 || true)
        [[ -n $found ]] || e2e_fail "the log lacks, after the lines matched so far, \"$pattern\": $(cat -A "$file")"
        rest=$(tail -n +"$((found + 1))" <<<"$rest")
    done
    e2e_log "  log: $# lines as expected"
}

# With the failure report on screen after a Yes: OK ends the run with exit
# code 1, and no Done box came between.
e2e_dismiss_failure_report() {
    e2e_press "$E2E_FAILURE_CAPTION" "$IDOK"
    e2e_expect_exit 1
    e2e_expect_box_calls "W $E2E_STYLE_QUESTION" "W $E2E_STYLE_FAILURE"
}

# e2e_run_answering_yes_expect_failure KIND TEXT...: a run that answers Yes and
# gets the failure report (as e2e_expect_failure_box KIND TEXT... checks it),
# then ends with exit code 1. E2E_FAILURE_MESSAGE holds the report's message.
e2e_run_answering_yes_expect_failure() {
    e2e_run_answering_yes
    e2e_expect_failure_box "$@"
    e2e_dismiss_failure_report
}

# ---------------------------------------------------------------------------
# Checking the registry and the files

# The tree as one sorted line per key ("K<TAB>path") and per value
# ("V<TAB>path<TAB>name<TAB>type<TAB>hex").
e2e_flat_tree() {
    awk -F'\t' -v OFS='\t' '
        /^\[.*\]$/ { key = substr($0, 2, length($0) - 2); print "K", key; next }
        { print "V", key, $0 }' "$1" | LC_ALL=C sort
}

# The values one install writes for VERSION from the expected-data file SET.
e2e_expected_values() {
    local version=$1 set=$2
    local key
    key=$(e2e_custom_labels_key "$version")
    local file="$E2E_EXPECTED_DIR/records-$set.txt"
    [[ -f $file ]] || e2e_fail "no expected data $file"
    printf 'K\t%s\n' "$key"
    # The key goes through the environment: awk -v would read its backslashes as escapes.
    grep -v '^#' "$file" | E2E_KEY=$key awk -F'\t' -v OFS='\t' '
        NF == 2 { data = $2; gsub(/[ |]/, "", data); print "V", ENVIRON["E2E_KEY"], $1, "3", data }'
}

e2e_compare_trees() {
    local expected=$1 actual=$2 what=$3
    if ! diff -u "$expected" "$actual" >"$E2E_RUN/tree.diff"; then
        cat "$E2E_RUN/tree.diff" >&2
        e2e_fail "$what (diff above: - expected, + found)"
    fi
}

# e2e_expect_installed BEFORE AFTER VERSION:SET ...: AFTER is BEFORE plus, for
# each VERSION, the 17 values of SET (80 or 100) under its Custom Labels key,
# replacing values of the same names; nothing else changed.
e2e_expect_installed() {
    local before=$1 after=$2
    shift 2
    local added="$E2E_RUN/added.flat" item
    : >"$added"
    for item in "$@"; do
        e2e_expected_values "${item%%:*}" "${item#*:}" >>"$added"
    done
    local count
    count=$(grep -c '^V' "$added" || true)
    ((count == 17 * $#)) || e2e_fail "the expected data hold $count values, not $((17 * $#))"
    e2e_flat_tree "$E2E_RUN/$before.tree" >"$E2E_RUN/$before.flat"
    awk -F'\t' '
        NR == FNR { if ($1 == "V") replaced[$2 FS $3] = 1; print; next }
        !($1 == "V" && (($2 FS $3) in replaced))' "$added" "$E2E_RUN/$before.flat" |
        LC_ALL=C sort -u >"$E2E_RUN/expected.flat"
    e2e_flat_tree "$E2E_RUN/$after.tree" >"$E2E_RUN/$after.flat"
    e2e_compare_trees "$E2E_RUN/expected.flat" "$E2E_RUN/$after.flat" \
        "the registry does not hold what the install should have written"
    e2e_log "  registry: $* installed, byte for byte"
}

e2e_expect_registry_unchanged() {
    local before=$1 after=$2
    e2e_compare_trees "$E2E_RUN/$before.tree" "$E2E_RUN/$after.tree" "the registry changed"
    e2e_log "  registry unchanged"
}

e2e_expect_files_unchanged() {
    local before=$1 after=$2
    if ! diff -u "$E2E_RUN/$before.files" "$E2E_RUN/$after.files" >&2; then
        e2e_fail "the application-data folder changed"
    fi
    e2e_log "  application-data folder unchanged"
}

# e2e_expect_unchanged_since BEFORE AFTER: takes snapshot AFTER and finds the
# registry and the application-data folder as snapshot BEFORE left them.
e2e_expect_unchanged_since() {
    local before=$1 after=$2
    e2e_snapshot "$after"
    e2e_expect_registry_unchanged "$before" "$after"
    e2e_expect_files_unchanged "$before" "$after"
}

# ---------------------------------------------------------------------------
# The Word 12.0 label file and odd conditions around it

# E2E_OFFICE_DIR and E2E_LABEL_FILE: the label file's folder and path on the host;
# E2E_LABEL_FILE_WINDOWS: its path as the program sees it (drive C is drive_c).
# RELATIVE, when given, is the application-data folder below the prefix.
e2e_label_file_paths() {
    local relative=${1:-$(<"$WINEPREFIX/.e2e-appdata")}
    [[ $relative == drive_c/* ]] || e2e_fail "the application-data folder $relative is not on drive C"
    relative=${relative#drive_c/}
    E2E_OFFICE_DIR="$E2E_APPDATA/Microsoft/Office"
    E2E_LABEL_FILE="$E2E_OFFICE_DIR/pg_custom.xml"
    E2E_LABEL_FILE_WINDOWS="C:\\${relative//\//\\}\\Microsoft\\Office\\pg_custom.xml"
}

# e2e_set_user NAME: the user's application-data folder becomes C:\users\NAME\AppData\Roaming,
# made in the prefix and named under both Shell Folders keys, where Windows and
# Wine look it up. The keys go in through a UTF-16 file, so every letter survives
# whatever the code page.
e2e_set_user() {
    local name=$1
    local folder="C:\\\\users\\\\$name\\\\AppData\\\\Roaming" reg="$E2E_RUN/user.reg" key
    mkdir -p "$WINEPREFIX/drive_c/users/$name/AppData/Roaming"
    {
        printf 'Windows Registry Editor Version 5.00\r\n'
        for key in 'User Shell Folders' 'Shell Folders'; do
            printf '\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\%s]\r\n"AppData"="%s"\r\n' \
                "$key" "$folder"
        done
    } | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$reg"
    wine regedit /s "$reg" || e2e_fail "regedit could not set the user's folders"
    E2E_APPDATA="$WINEPREFIX/drive_c/users/$name/AppData/Roaming"
    e2e_label_file_paths "drive_c/users/$name/AppData/Roaming"
    e2e_log "  application-data folder C:\\users\\$name\\AppData\\Roaming"
}

# e2e_put_label_file SOURCE: SOURCE's bytes become the user's label file.
e2e_put_label_file() {
    mkdir -p "$E2E_OFFICE_DIR"
    cp "$1" "$E2E_LABEL_FILE"
}

# The label file's folder holds the label file and nothing else: in particular no
# half-written new file is left beside it.
e2e_expect_only_label_file() {
    local entries
    entries=$(cd "$E2E_OFFICE_DIR" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort | paste -sd' ' -)
    [[ $entries == pg_custom.xml ]] ||
        e2e_fail "the folder Microsoft/Office holds \"$entries\", expected pg_custom.xml alone"
}

# e2e_expect_label_file EXPECTED: the label file holds exactly EXPECTED's bytes
# and nothing else lies beside it.
e2e_expect_label_file() {
    local expected=$1
    [[ -f $E2E_LABEL_FILE ]] || e2e_fail "no label file at $E2E_LABEL_FILE"
    if ! cmp -s "$expected" "$E2E_LABEL_FILE"; then
        cp "$E2E_LABEL_FILE" "$E2E_RUN/pg_custom.found.xml"
        diff -u --label expected --label found <(cat -A "$expected") <(cat -A "$E2E_LABEL_FILE") |
            head -n 40 | cut -c 1-160 >&2 || true
        e2e_fail "the label file differs from ${expected##*/} (diff above, cat -A form: ^I TAB, ^M CR, \$ LF; kept as pg_custom.found.xml)"
    fi
    e2e_expect_only_label_file
    e2e_log "  label file: ${expected##*/}, byte for byte"
    # What the installer wrote must be a file an XML parser, and so Word, reads.
    if [[ ${expected##*/} == pg_custom-* ]]; then
        xmllint --noout "$E2E_LABEL_FILE" >&2 || e2e_fail "the label file is not well-formed XML"
        e2e_log "  label file: well-formed XML (xmllint)"
    fi
}

# e2e_trace_registry_writes: the relay trace of the next runs shows key creation
# and value writes too (the template traces only the boxes and the probes).
e2e_trace_registry_writes() {
    e2e_add_value 'Software\Wine\Debug' RelayInclude REG_SZ \
        'user32.MessageBoxA;user32.MessageBoxW;advapi32.RegOpenKeyExA;advapi32.RegCreateKeyExA;advapi32.RegSetValueExA'
}

# After e2e_trace_registry_writes: the last run created no key and wrote no value.
# Only the program's own calls count: those of its thread (the one that probes the
# Word keys) to the A functions it uses. Wine's desktop process, started with it,
# and Wine's shell32 on its thread write their own settings with the W functions.
e2e_expect_no_registry_writes() {
    local thread calls
    thread=$(grep -a -m 1 ':Call advapi32\.RegOpenKeyExA(.*Office' "$E2E_RELAY" | cut -d: -f1 || true)
    [[ -n $thread ]] || e2e_fail "the relay trace shows no probe of a Word key"
    calls=$(grep -a -E "^$thread:Call advapi32\.Reg(CreateKeyEx|SetValueEx)A\(" "$E2E_RELAY" | head -n 5 || true)
    [[ -z $calls ]] || e2e_fail "the program wrote to the registry: $calls"
    e2e_log "  no registry key created, no value written"
}

# e2e_hold_label_file: another program (holdfile) keeps the label file open
# with share mode 0, as Word does, until e2e_release_label_file.
e2e_hold_label_file() {
    e2e_start_holdfile "holding the file" "$E2E_LABEL_FILE_WINDOWS" 'C:\holdfile.ready'
    e2e_log "  label file held open by holdfile"
}

e2e_release_label_file() {
    [[ -n ${E2E_HOLD_PID-} ]] || e2e_fail "the label file is not held"
    kill "$E2E_HOLD_PID" 2>/dev/null || true
    wait "$E2E_HOLD_PID" 2>/dev/null || true
    E2E_HOLD_PID=
    e2e_log "  holdfile ended"
}

# e2e_hold_briefly MS FILE [CAPTION]: another program (holdfile --brief) takes
# FILE (a Windows path) with share mode 0 as soon as it can, the moment the
# installer lets go of it if the installer has it, and keeps it MS ms (counted
# from when no window with CAPTION is left, if given). Returns once holdfile has
# made its first try; e2e_expect_brief_hold checks that the hold happened.
e2e_hold_briefly() {
    local ms=$1 file=$2
    shift 2
    e2e_start_holdfile "trying the file" --brief "$ms" "$file" 'C:\holdfile.ready' "$@"
    e2e_log "  holdfile --brief $ms watching ${file##*\\}"
}

# e2e_start_holdfile WHAT ARGS...: starts holdfile with ARGS, which name
# C:\holdfile.ready as its ready file, in the background (E2E_HOLD_PID), and
# returns once that file says holdfile is WHAT.
e2e_start_holdfile() {
    local what=$1
    shift
    local ready="$WINEPREFIX/drive_c/holdfile.ready"
    rm -f "$ready"
    wine "$E2E_HELPERS/holdfile.exe" "$@" >"$E2E_RUN/holdfile.out" 2>&1 &
    E2E_HOLD_PID=$!
    local deadline=$((SECONDS + 20))
    until [[ -e $ready ]]; do
        kill -0 "$E2E_HOLD_PID" 2>/dev/null ||
            e2e_fail "holdfile ended before $what: $(<"$E2E_RUN/holdfile.out")"
        ((SECONDS < deadline)) || e2e_fail "holdfile was not $what within 20 s"
        sleep 0.05
    done
}

# e2e_expect_brief_hold REFUSED: holdfile held the file and let go by itself;
# REFUSED is "none" when it must have got the file at its first try, "some" when
# it must have waited for another opener (sharing violation, 32) to close it.
e2e_expect_brief_hold() {
    local refused=$1
    local deadline=$((SECONDS + 20))
    while kill -0 "$E2E_HOLD_PID" 2>/dev/null; do
        ((SECONDS < deadline)) || e2e_fail "holdfile never held the file: $(<"$E2E_RUN/holdfile.out")"
        sleep 0.05
    done
    local status=0
    wait "$E2E_HOLD_PID" || status=$?
    E2E_HOLD_PID=
    local out held
    out=$(tr -d '\r' <"$E2E_RUN/holdfile.out")
    ((status == 0)) || e2e_fail "holdfile ended with $status: $out"
    held=$(grep -m 1 '^held after ' <<<"$out" || true)
    grep -q '^released after [0-9]* ms$' <<<"$out" || e2e_fail "holdfile did not let go: $out"
    case $refused in
        none) [[ $held == 'held after 0 refused opens (last error 0)' ]] ;;
        some) [[ $held =~ ^held\ after\ [1-9][0-9]*\ refused\ opens\ \(last\ error\ 32\)$ ]] ;;
    esac || e2e_fail "holdfile: \"$held\", expected a hold after $refused refused opens"
    e2e_log "  holdfile: $(paste -sd' ' <<<"$out")"
}

# e2e_trace_file_calls: the relay trace of the next runs shows the program's
# file calls and waits too.
e2e_trace_file_calls() {
    e2e_add_value 'Software\Wine\Debug' RelayInclude REG_SZ \
        'user32.MessageBoxA;user32.MessageBoxW;advapi32.RegOpenKeyExA;kernel32.CreateFileW;kernel32.MoveFileExW;kernel32.DeleteFileW;kernel32.Sleep'
}

# e2e_program_results CALL: after e2e_trace_file_calls, what the last run's calls
# of CALL returned, in order, space-separated (8 hex digits each: a 64-bit run's
# values are cut to their low half). Only the program's own thread counts (the
# one that probes the Word keys).
e2e_program_results() {
    local thread
    thread=$(grep -a -m 1 ':Call advapi32\.RegOpenKeyExA(.*Office' "$E2E_RELAY" | cut -d: -f1 || true)
    [[ -n $thread ]] || e2e_fail "the relay trace shows no probe of a Word key"
    grep -a -i -E "^$thread:Ret  kernel(32|base)\\.$1\\(\\) retval=" "$E2E_RELAY" |
        sed -E 's/.*retval=([0-9a-fA-F]*).*/\1/; s/^[0-9a-fA-F]{8}([0-9a-fA-F]{8})$/\1/' |
        paste -sd' ' - || true
}

# e2e_on_end COMMAND: run COMMAND (with eval) when the scenario ends, pass or
# fail, after Wine has stopped and before the prefix is removed.
e2e_on_end() {
    E2E_END_HOOKS+=("$1")
}

# e2e_skip REASON: this scenario cannot run here; ctest counts it as skipped.
e2e_skip() {
    printf 'SKIP: %s\n' "$*" >&2
    exit "$E2E_SKIP_STATUS"
}

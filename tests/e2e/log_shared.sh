#!/usr/bin/env bash
# Three copies started together append to one log: every line carries a process
# id, and each copy's id heads its own first and last lines. (Wine may give an id
# again once its copy has ended, so an id counts as many runs as it started.)
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 11.0
log="$WINEPREFIX/drive_c/velkaris.log"
pids=()
for copy in 1 2 3; do
    wine "$E2E_PROGRAM" /quiet /log 'C:\velkaris.log' >"$E2E_RUN/copy-$copy.out" 2>&1 &
    pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid" || e2e_fail "a copy ended with exit code $?"; done
e2e_expect_log "$log" 'Exit code 0$'
stamped=$(grep -cE '^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8} \[[0-9]+\] ' "$log")
((stamped == $(wc -l <"$log"))) || e2e_fail "lines without a process id: $(cat -A "$log")"
ids=$(sed -nE 's/^.{19} \[([0-9]+)\] velkaris-labels .* started .*/\1/p' "$log")
(($(wc -l <<<"$ids") == 3)) || e2e_fail "not three runs started: $ids"
for id in $(sort -u <<<"$ids"); do
    (($(grep -cF "[$id] Exit code 0" "$log") == $(grep -c "^$id\$" <<<"$ids"))) ||
        e2e_fail "the runs of process $id do not each end with an exit code line"
done

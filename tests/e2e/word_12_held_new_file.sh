#!/usr/bin/env bash
# Word 12.0 over the user's label file, while another program takes the new
# pg_custom.xml.new with no sharing the moment the installer has closed it and
# keeps it 300 ms, as a virus scanner does with a file just written: the replace
# is refused at first and tried again until it goes through. The Done box, exit
# code 0, the merged file and nothing left beside it.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_add_word 12.0
e2e_trace_file_calls
# The hold has to fall between the installer's close and its replace, a moment
# that a busy machine may not give the holding program: a run in which it did not
# get the file in time proves nothing and is made again, three times at most.
for attempt in 1 2 3; do
    e2e_put_label_file "$E2E_EXPECTED_DIR/existing-user-products.xml"
    e2e_start_program
    e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_QUESTION" "$IDYES" "$IDNO"
    e2e_hold_briefly 300 "$E2E_LABEL_FILE_WINDOWS.new"
    e2e_press "$E2E_CAPTION" "$IDYES"
    e2e_expect_box "$E2E_CAPTION" "$E2E_TEXT_DONE" "$IDOK"
    e2e_press "$E2E_CAPTION" "$IDOK"
    e2e_expect_exit 0
    e2e_expect_box_calls "W $E2E_STYLE_QUESTION" "W $E2E_STYLE_DONE"
    sleep 1
    if kill -0 "$E2E_HOLD_PID" 2>/dev/null && ! grep -q '^held after ' "$E2E_RUN/holdfile.out"; then
        kill "$E2E_HOLD_PID" 2>/dev/null || true
        wait "$E2E_HOLD_PID" 2>/dev/null || true
        E2E_HOLD_PID=
        e2e_log "  attempt $attempt: holdfile missed the moment; the run proves nothing"
        ((attempt < 3)) || e2e_fail "holdfile never got the new file between close and replace"
        continue
    fi
    break
done

# The hold met the replace: holdfile got the file only after the installer's own
# close, and the installer's first replace failed while it held it.
e2e_expect_brief_hold some
moves=$(e2e_program_results MoveFileExW)
[[ $moves =~ ^(00000000\ )+0*[1-9a-fA-F][0-9a-fA-F]*$ ]] ||
    e2e_fail "MoveFileExW returned \"$moves\", expected failures while held, then a success"
waits=$(e2e_program_results Sleep | wc -w)
((waits > 0)) || e2e_fail "the installer retried the replace without waiting"
e2e_log "  replace: \"$moves\", $waits waits"

e2e_expect_label_file "$E2E_EXPECTED_DIR/pg_custom-user-products.xml"

#!/usr/bin/env bash
# "Print" through a real print server: a CUPS scheduler of the test's own, on a private socket
# and configuration, with a cups-pdf printer whose output folder lies in the test's folder. A
# Comment of 120 lines comes out as a PDF file of more than one page, with no message; without a
# scheduler, with one that has no printer, and with a printer that rejects jobs, a message follows
# (the "no printer" and the failure message, whose texts tst_output checks). Needs root (see
# printserver.sh).
source "$(dirname "$0")/harness.sh"
source "$(dirname "$0")/printserver.sh"

[ "$(id -u)" -eq 0 ] || { echo "e2e print: needs root, skipped"; exit 77; }

# Starts the program against the print server at the socket, types the Comment, presses "Print"
# and answers its question with OK.
print_comment() {
    start_quillo CUPS_SERVER="$1"
    click_control "$MAIN_WINDOW" 765 2175 8505 3465      # Comment
    paste_text "$COMMENT"
    click_control "$MAIN_WINDOW" 90 4395 645 330         # Print
    answer_box
}

end_quillo() {
    click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
    wait_for_exit
}

# A message follows the question (its text is checked headless in tst_output: the box shows it
# in a label that no tool outside the program reads back).
expect_message() {
    wait_for_window '^Quillo$' >/dev/null
    answer_box
}

COMMENT=$(for i in $(seq 120); do echo "Comment line $i"; done)
start_x

# No scheduler at all.
print_comment "$CUPS/none.sock"
expect_message 'プリンタが見つかりません。'
end_quillo

# A scheduler without a printer.
start_cupsd
print_comment "$SOCKET"
expect_message 'プリンタが見つかりません。'
end_quillo

# A printer: the job comes out as a PDF file of more than one page (the title, an empty line
# and 120 lines).
add_printer
print_comment "$SOCKET"
pages=$(expect_printout 2)
no_window_titled '^Quillo$' || fail "a message followed the printout"
end_quillo

# A printer that rejects jobs.
cupsreject -h "$SOCKET" -r 'closed for the test' "$PRINTER"
print_comment "$SOCKET"
expect_message $'印刷できませんでした。\n理由: 「'"$PRINTER"'」が印刷を受け付けませんでした。'
end_quillo
echo "e2e print: passed ($pages pages)"

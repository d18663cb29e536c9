#!/usr/bin/env bash
# "Print" through a real print server: a CUPS scheduler of the test's own, on a private socket
# and configuration, with a cups-pdf printer whose output folder lies in the test's folder. A
# Comment of 120 lines comes out as a PDF file of more than one page, with no message; without a
# scheduler, with one that has no printer, and with a printer that rejects jobs, a message follows
# (the "no printer" and the failure message, whose texts tst_output checks). Needs root: the scheduler runs backends like cups-pdf as root only, and its
# configuration file is replaced inside a mount namespace of the scheduler's own, so that the
# system's CUPS stays as it was.
source "$(dirname "$0")/harness.sh"

[ "$(id -u)" -eq 0 ] || { echo "e2e print: needs root, skipped"; exit 77; }

CUPS=$WORK/cups
SOCKET=$CUPS/cups.sock
PDF_FOLDER=$CUPS/pdf
PRINTER=quillo-pdf
CUPSD_PID=

stop_cupsd() {
    [ -z "$CUPSD_PID" ] || { kill "$CUPSD_PID" 2>/dev/null || true; wait "$CUPSD_PID" 2>/dev/null || true; }
    CUPSD_PID=
}
trap 'stop_cupsd; cleanup' EXIT

start_cupsd() {
    # The filters run as lp and must reach the spool folder.
    chmod 711 "$WORK"
    mkdir -p "$CUPS"/{conf,cups-pdf,spool,cache,state,log,pdf-spool} "$PDF_FOLDER"
    chmod 755 "$CUPS"
    cat >"$CUPS/conf/cupsd.conf" <<CONF
Listen $SOCKET
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$CUPS/conf/cups-files.conf" <<CONF
ServerRoot $CUPS/conf
RequestRoot $CUPS/spool
TempDir $CUPS/spool
CacheDir $CUPS/cache
StateDir $CUPS/state
ErrorLog $CUPS/log/error_log
AccessLog $CUPS/log/access_log
PageLog $CUPS/log/page_log
DataDir /usr/share/cups
ServerBin /usr/lib/cups
User lp
Group lp
SystemGroup root
CONF
    # cups-pdf reads its configuration from /etc/cups only: the scheduler sees a folder of the
    # test's own there.
    cat >"$CUPS/cups-pdf/cups-pdf.conf" <<CONF
Out $PDF_FOLDER
AnonDirName $PDF_FOLDER
Spool $CUPS/pdf-spool
Log $CUPS/log
Grp root
CONF
    unshare --mount --propagation private sh -c \
        'mount --bind "$1" /etc/cups && exec cupsd -f -c "$2" -s "$3"' sh \
        "$CUPS/cups-pdf" "$CUPS/conf/cupsd.conf" "$CUPS/conf/cups-files.conf" \
        >"$CUPS/log/cupsd.out" 2>&1 &
    CUPSD_PID=$!
    eventually scheduler_answers || fail "cupsd did not start: $(cat "$CUPS"/log/*)"
}

# lpstat -r exits 0 whether or not a scheduler runs: only its words tell.
scheduler_answers() {
    [ "$(lpstat -h "$SOCKET" -r 2>/dev/null)" = "scheduler is running" ]
}

add_printer() {
    lpadmin -h "$SOCKET" -p "$PRINTER" -E -v cups-pdf:/ \
        -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd 2>"$WORK/lpadmin.log" \
        || fail "lpadmin could not add the printer: $(cat "$WORK/lpadmin.log")"
    lpadmin -h "$SOCKET" -d "$PRINTER" 2>"$WORK/lpadmin.log" \
        || fail "lpadmin could not make the printer the default: $(cat "$WORK/lpadmin.log")"
}

# Answers the box that is showing with OK; another box may follow it at once.
answer_box() {
    local box
    box=$(wait_for_window '^Quillo$')
    xdotool windowactivate --sync "$box" key Return
    wait_for_window_closed "$box"
}

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
# A whole PDF file in the printer's folder.
printed_pdf() {
    local pdf
    pdf=$(ls "$PDF_FOLDER"/*.pdf 2>/dev/null | head -n1) && [ -n "$pdf" ] \
        && pdfinfo "$pdf" >/dev/null 2>&1 && echo "$pdf"
}
pdf=$(PATIENCE=600 eventually printed_pdf) || fail "no PDF came out: $(cat "$CUPS"/log/* 2>/dev/null)"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" -ge 2 ] || fail "the printout has $pages page(s), expected at least 2"
# Through Ghostscript the text is drawn, not kept as text: the first page must not be blank.
pdftoppm -r 40 -f 1 -l 1 -gray -png "$pdf" "$WORK/page"
ink=$(convert "$WORK"/page*.png -threshold 50% -format '%[fx:1-mean]' info:)
awk -v ink="$ink" 'BEGIN { exit !(ink > 0.001) }' || fail "the first printed page is blank"
! xdotool search --onlyvisible --name '^Quillo$' >/dev/null 2>&1 || fail "a message followed the printout"
end_quillo

# A printer that rejects jobs.
cupsreject -h "$SOCKET" -r 'closed for the test' "$PRINTER"
print_comment "$SOCKET"
expect_message $'印刷できませんでした。\n理由: 「'"$PRINTER"'」が印刷を受け付けませんでした。'
end_quillo
echo "e2e print: passed ($pages pages)"

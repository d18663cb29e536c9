#!/usr/bin/env bash
# "Print" of the Windows program through Qt's Windows print support and Wine's spooler to a real
# print server: Wine offers the printers of CUPS as Windows printers, so a CUPS scheduler of the
# test's own with a cups-pdf printer (tests/e2e/printserver.sh) is the default printer of the
# test's Wine prefix. A Comment of 120 lines, Japanese among them, comes out as a PDF file of more
# than one page, with no message after it. Needs root, as the print server does.
# usage: print.sh quillo-VERSION-windows-x86_64.zip
[ "$(id -u)" -eq 0 ] || { echo "windows print: needs root, skipped"; exit 77; }
source "$(dirname "$0")/winharness.sh"
source "$(dirname "$0")/../e2e/printserver.sh"

unzip -q "$QUILLO_BINARY" -d "$WORK/unpacked"
PROGRAM_FOLDER=$(echo "$WORK"/unpacked/quillo-*-windows-x86_64)

start_cupsd
add_printer
# Wine asks this scheduler for its printers, and takes them in when its prefix is brought up to
# date.
export CUPS_SERVER=$SOCKET
wineserver -k
env "${JAPANESE_WINDOWS[@]}" wineboot -u >"$WORK/wineboot.log" 2>&1 \
    || fail "wineboot failed: $(cat "$WORK/wineboot.log")"
wineserver -p 2>/dev/null || true

start_quillo
click_control "$MAIN_WINDOW" 765 2175 8505 3465      # Comment
paste_text "$(for i in $(seq 120); do echo "Comment line $i 投稿の本文"; done)"
click_control "$MAIN_WINDOW" 90 4395 645 330         # Print
answer_box
pages=$(expect_printout 2)
no_window_titled '^Quillo$' || fail "a message followed the printout"
end_quillo
echo "windows print: passed ($pages pages)"

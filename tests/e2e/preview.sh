#!/usr/bin/env bash
# "IE" writes check.txt and check.html into the Data folder and hands the page to the desktop's
# browser opener; with no browser to start, it says so in a message box. The program runs with a
# PATH that holds only a recording opener, an opener that finds no browser, or nothing at all;
# headless Chromium shows the written page.
source "$(dirname "$0")/harness.sh"

start_x

make_recording_opener
NO_BROWSER_FOLDER=$WORK/nobrowser
NO_OPENER_FOLDER=$WORK/noopener
mkdir "$NO_BROWSER_FOLDER" "$NO_OPENER_FOLDER"
# What xdg-open does when no browser is installed.
cat >"$NO_BROWSER_FOLDER/xdg-open" <<NOBROWSER
#!/bin/sh
echo "xdg-open: no method available for opening '\$1'" >&2
exit 3
NOBROWSER
chmod +x "$NO_BROWSER_FOLDER/xdg-open"

start_quillo -u BROWSER -u DEFAULT_BROWSER PATH="$OPENER_FOLDER"

click_control "$MAIN_WINDOW" 765 2175 8505 3465      # Comment
xdotool type --delay 40 '<b>'
paste_text '太字'
xdotool type --delay 40 '</b> & x'
xdotool key Return
paste_text '行目'
click_control "$MAIN_WINDOW" 90 3975 645 330         # IE

expect_preview_opened
! xdotool search --onlyvisible --name '^Quillo$' >/dev/null 2>&1 \
    || fail "a message box came up although the page was handed over"

HEAD='<html><head><meta charset=Shift_JIS><title>Quillo.html</title></head><body text=#000000 bgcolor=#FFFFFF>'
FOOT='</body></html>'
expect_data_file check.txt "$HEAD\r\n<b>\x91\xbe\x8e\x9a</b> & x\r\n\x8d\x73\x96\xda\r\n$FOOT"
expect_data_file check.html \
    "$HEAD<br>\r\n<b>\x91\xbe\x8e\x9a</b> & x<br>\r\n\x8d\x73\x96\xda<br>\r\n$FOOT"

# A Comment of a few half-width kana alone, which a browser left to guess the encoding takes for
# Cyrillic, comes out as typed.
click_control "$MAIN_WINDOW" 765 2175 8505 3465      # Comment
xdotool key ctrl+a
paste_text 'ﾜﾛﾀ'
click_control "$MAIN_WINDOW" 90 3975 645 330         # IE
pages_opened() { [ "$(wc -l <"$WORK/opened")" -eq "$1" ]; }
eventually pages_opened 2 || fail "the second page was not handed to the browser"
body=$(page_body_in_chromium "$DATA/check.html")
[ "$body" = '<br>ﾜﾛﾀ<br>' ] || fail "Chromium shows the page as [$body]"

click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit

# With an opener that finds no browser, and with no opener at all, the message that no browser
# could be started comes up; its wording is checked by tst_preview.
for folder in "$NO_BROWSER_FOLDER" "$NO_OPENER_FOLDER"; do
    start_quillo -u BROWSER -u DEFAULT_BROWSER PATH="$folder"
    click_control "$MAIN_WINDOW" 90 3975 645 330     # IE
    answer_message_box Return
    expect_data_file check.html "$HEAD<br>\r\n<br>\r\n$FOOT"
    click_control "$MAIN_WINDOW" 8490 1770 855 330   # End
    wait_for_exit
done
[ "$(wc -l <"$WORK/opened")" -eq 2 ] || fail "a browser was started without a browser"
echo "e2e preview: passed"

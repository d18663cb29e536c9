#!/usr/bin/env bash
# A board added by its address in the Windows program, under Wine on the windows platform: the
# check offers the thread's address the clipboard holds, and reads its board's SETTING.TXT from a
# board's server of the test's own on 127.0.0.1 (plain HTTP), which Data then keeps as it was read.
# usage: boards.sh quillo-VERSION-windows-x86_64.zip
source "$(dirname "$0")/winharness.sh"

mkfifo "$WORK/server-input"
exec 5<>"$WORK/server-input" # the server ends when its input does
python3 "$(dirname "$0")/../support/boardserver.py" <"$WORK/server-input" >"$WORK/ports" 2>/dev/null &
OTHER_PIDS=$!
eventually test -s "$WORK/ports" || fail "the board's server did not start"
port=$(awk '{ print $2 }' "$WORK/ports")

unzip -q "$QUILLO_BINARY" -d "$WORK/unpacked"
PROGRAM_FOLDER=$(echo "$WORK"/unpacked/quillo-*-windows-x86_64)
DATA=$PROGRAM_FOLDER/Data
start_quillo
put_on_clipboard "http://127.0.0.1:$port/test/read.cgi/board/1234567890/5"
click_control "$MAIN_WINDOW" 765 2175 8505 3465      # Comment
xdotool key F7
CHECK=$(wait_for_window '^書き込みチェック$')
# The offer stands under the chooser, which has the focus: the next stop of the focus chain.
xdotool windowactivate --sync "$CHECK" key Tab Tab space
eventually test -s "$DATA/boards.txt" || fail "the board was not kept"
grep -q "^http://127.0.0.1:$port/board/	0ch+	20.*	setting1.txt"$'\r'"\$" "$DATA/boards.txt" \
    || fail "boards.txt holds [$(cat "$DATA/boards.txt")]"
printf 'BBS_TITLE=テスト板\nBBS_NONAME_NAME=名無しさん\nBBS_MESSAGE_COUNT=4096\nBBS_LINE_NUMBER=30\n' \
    | iconv -t CP932 | cmp - "$DATA/setting1.txt" || fail "setting1.txt is not the SETTING.TXT read"
end_quillo
echo "Windows boards: passed"

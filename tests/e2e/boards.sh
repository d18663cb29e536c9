#!/usr/bin/env bash
# A board added by its address, read over the accessibility bus as a screen reader reads it: a
# thread's address pasted into the check, the board's SETTING.TXT read from a board's server of
# the test's own on 127.0.0.1, the board in the chooser by its title and the check's limits its
# own; the program started again with the server stopped, the board and its limits still there;
# 更新 then gives the message naming the address and the reason, and keeps the board.
[ -n "${QUILLO_OWN_SESSION_BUS:-}" ] \
    || QUILLO_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/harness.sh"

# The server ends when its input does: the test holds that open until it ends.
mkfifo "$WORK/server-input"
exec 5<>"$WORK/server-input"
python3 "$(dirname "$0")/../support/boardserver.py" <"$WORK/server-input" >"$WORK/ports" 2>/dev/null &
SERVER_PID=$!
OTHER_PIDS=$SERVER_PID
eventually test -s "$WORK/ports" || fail "the board's server did not start"
port=$(awk '{ print $2 }' "$WORK/ports")

# The program, to the right of the small screen, with a Comment, and the check beside it.
open_check() {
    start_quillo QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    xdotool windowmove --sync "$MAIN_WINDOW" 390 100
    click_control "$MAIN_WINDOW" 765 2175 8505 3465  # Comment
    paste_text '本文'
    xdotool key F7
    CHECK=$(wait_for_window "^$CHECK_TITLE\$")
}

start_x
open_check
expect_check '本文: 4 / 2048 バイト'
# The chooser has the focus as the window opens: its last entry adds a board, and the address
# field takes the focus.
xdotool windowactivate --sync "$CHECK" key End
paste_text "http://127.0.0.1:$port/test/read.cgi/board/1234567890/5"
xdotool key Return
expect_check '本文: 4 / 4096 バイト'
expect_check '行数: 1 / 60 行'
grep -q "^http://127.0.0.1:$port/board/	0ch+	" "$DATA/boards.txt" || fail "boards.txt: $(cat "$DATA/boards.txt")"
click_control "$MAIN_WINDOW" 8490 1770 855 330        # End
wait_for_exit

# Without the server: the board and its limits are still there; 更新 says why it cannot read.
kill "$SERVER_PID"
wait "$SERVER_PID" 2>/dev/null || true
OTHER_PIDS=
open_check
xdotool windowactivate --sync "$CHECK" key Home Down Down
expect_check '本文: 4 / 4096 バイト'
click_named '更新'
expect_message "「http://127.0.0.1:$port/board/SETTING.TXT」を読めませんでした。
理由: サーバーに接続を断られました。"
expect_check '本文: 4 / 4096 バイト'
echo "e2e boards: passed"

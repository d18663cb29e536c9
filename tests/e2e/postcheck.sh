#!/usr/bin/env bash
# The post check on a user's path, read over the accessibility bus as a screen reader reads it: a
# Comment typed over the board's limit, F7, the row and the verdict in the board's words, the
# finding that selects the first character past the limit, the split whose Clips give the two
# halves, a Name with #key and its trip, 〜 made ～ by its fix and brought back by Ctrl+Z, and the
# entry of a field's context menu that opens the check again.
[ -n "${QUILLO_OWN_SESSION_BUS:-}" ] \
    || QUILLO_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/harness.sh"


start_x
start_quillo QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# To the right of the small screen, so that the check opens beside it, at its left.
xdotool windowmove --sync "$MAIN_WINDOW" 390 100

# Twenty lines of 100 letters: 2000 bytes and 19 line breaks of 4 ("<br>"), 2076 in all. The
# 2049th byte is the 73rd letter of the last line, a Z.
comment=$WORK/comment.txt
for i in $(seq 1 19); do printf '%0100d\n' 0; done | tr 0 a >"$comment"
printf '%072dZ%027d' 0 0 | tr 0 a >>"$comment"
click_control "$MAIN_WINDOW" 765 2175 8505 3465      # Comment
xclip -i -selection clipboard <"$comment"
xdotool key ctrl+v
xdotool key F7
CHECK=$(wait_for_window "^$CHECK_TITLE\$")
expect_check '本文: 2076 / 2048 バイト — 上限を超えています'
expect_check '書き込めません。掲示板の答え: 本文が長すぎます！'

# The finding selects the Z in the Comment, which Ctrl+C there copies.
click_named '本文はここで上限の 2048 バイトを超えます。'
xdotool windowactivate --sync "$MAIN_WINDOW" key ctrl+c
expect_clipboard 'Z'

# The split: two parts, each with its Clip.
click_named '分割（2 件に分けます）'
expect_check '1 件目: 1972 バイト、19 行'
click_named '1 件目を Clip'
expect_clipboard "$(head -n 19 "$comment" | awk 'NR > 1 { printf "\\r\\n" } { printf "%s", $0 }')"
click_named '2 件目を Clip'
expect_clipboard "$(tail -n 1 "$comment")"

# A Name with #key shows its trip.
click_control "$MAIN_WINDOW" 825 105 2565 330         # Name
paste_text '山田#key'
expect_check '山田 ◆lsUMWqdC0k'

# 〜 in the Title: its fix makes it ～, and Ctrl+Z in the Title brings 〜 back.
click_control "$MAIN_WINDOW" 8490 90 855 330          # New
click_control "$MAIN_WINDOW" 825 1365 6030 330        # Title
paste_text '題〜'
click_named '「〜」は「&#12316;」として送られ、8 バイトになります。「～」なら 2 バイトです。'
click_named '「～」にする'
click_control "$MAIN_WINDOW" 7650 1350 645 330        # Title's Clip
expect_clipboard '題～'
click_control "$MAIN_WINDOW" 825 1365 6030 330        # Title
xdotool key ctrl+z
click_control "$MAIN_WINDOW" 7650 1350 645 330        # Title's Clip
expect_clipboard '題〜'

xdotool windowactivate --sync "$CHECK" key alt+F4       # closed by the window manager
wait_for_window_closed "$CHECK"
click_control "$MAIN_WINDOW" 825 1365 6030 330        # Title
windows_before=$(program_windows)
xdotool click 3
eventually test "$(program_windows)" -gt "$windows_before" || fail "no context menu came up"
xdotool key Up Return                                 # its last entry
CHECK=$(wait_for_window "^$CHECK_TITLE\$")
expect_check '書き込めません。掲示板の答え: 本文がありません！'
echo "e2e postcheck: passed"

#!/usr/bin/env bash
# What was typed and not saved survives the program being killed: the next start asks, Yes puts
# it back exactly as typed and leaves the field files as they were; after End the next start
# asks nothing; No throws the text away; a recovery file cut in half is put aside with a message
# and the program starts as usual. On a nearly full disk the user's save comes first; its
# messages are read over the accessibility bus.
[ -n "${QUILLO_OWN_SESSION_BUS:-}" ] \
    || QUILLO_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/harness.sh"

# Starts the program, which asks at once whether to bring back what was not saved.
start_asked() {
    start_quillo "$@"
    wait_for_window '^Quillo$' >/dev/null
}

# Types into Name and the Comment, waits until the recovery file holds it, then kills the program
# as a crash or a power cut would.
type_and_kill() {
    type_unsaved "$@"
    kill -9 "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
}

start_x
mkdir -m 700 -p "$DATA"
printf 'Taro\r\n' >"$DATA/1.txt"
for field in 2 3 4 5 6; do printf '\r\n' >"$DATA/$field.txt"; done
printf '\x93\x8a\x8d\x65' >"$DATA/7.txt" # 投稿
start_quillo
type_and_kill ' 山田' 'の下書き、途中まで'

start_asked
answer_message_box Return                             # Yes
click_control "$MAIN_WINDOW" 4185 90 645 330          # Name's Clip
expect_clipboard 'Taro 山田'
click_control "$MAIN_WINDOW" 7650 1770 645 330        # Comment's Clip
expect_clipboard '投稿の下書き、途中まで'
expect_data_file 1.txt 'Taro\r\n'
expect_data_file 7.txt '\x93\x8a\x8d\x65'
[ -f "$DATA/unsaved.txt" ] || fail "bringing the text back removed the recovery file"

# End discards it: the next start asks nothing (a question would block the click on Clip).
click_control "$MAIN_WINDOW" 8490 1770 855 330        # End
wait_for_exit
[ ! -e "$DATA/unsaved.txt" ] || fail "End left the recovery file"
start_quillo
click_control "$MAIN_WINDOW" 7650 1770 645 330        # Comment's Clip
expect_clipboard '投稿'

type_and_kill '' 'は捨てる'
start_asked
answer_message_box Escape                             # No
eventually test ! -e "$DATA/unsaved.txt" || fail "No left the recovery file"
click_control "$MAIN_WINDOW" 7650 1770 645 330        # Comment's Clip
expect_clipboard '投稿'
click_control "$MAIN_WINDOW" 8490 1770 855 330        # End
wait_for_exit

printf 'Quillo unsaved fields\r\n7.txt 40\r\nhalf of' >"$DATA/unsaved.txt"
start_asked
answer_message_box Return
[ ! -e "$DATA/unsaved.txt" ] || fail "the broken recovery file is still there"
expect_data_file unsaved-unreadable.txt 'Quillo unsaved fields\r\n7.txt 40\r\nhalf of'
click_control "$MAIN_WINDOW" 7650 1770 645 330        # Comment's Clip
expect_clipboard '投稿'
click_control "$MAIN_WINDOW" 8490 1770 855 330        # End
wait_for_exit

# A Data folder on a small disk with about 1 MB free (a nearly full USB stick; root only, as
# mounting is): a pasted Comment of 1.4 MB, then Save, which fails for the full disk and says so;
# room made, Save goes through, with nothing left beside the file. The copy of the unsaved text
# that the full disk refused is told of in a box that does not take the keys being typed.
if [ "$(id -u)" -ne 0 ]; then
    echo "e2e recovery: passed (the full disk needs root to mount one)"
    exit 0
fi
rm -rf "$DATA"
mkdir -m 700 "$DATA"
mount -t tmpfs -o size=3m,mode=700 quillo-small "$DATA"
cleanup_small_disk() {
    [ -z "$APP_PID" ] || kill "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
    umount "$DATA" 2>/dev/null || true
    cleanup
}
trap cleanup_small_disk EXIT
head -c 2097152 /dev/zero >"$DATA/filler"
comment=$WORK/comment.txt
seq -f 'line %05g of the long comment, all of it ASCII text.....' 25000 >"$comment"
truncate -s 1400000 "$comment"
start_quillo QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
click_control "$MAIN_WINDOW" 765 2175 8505 3465      # Comment
xclip -i -selection clipboard <"$comment"
xdotool key ctrl+v
notice=$(wait_for_window '^Quillo$')
is_active "$MAIN_WINDOW" || fail "the notice of the recovery file took the keyboard"
xdotool key Return space                              # typed on, into the Comment
printf '\n ' >>"$comment"
window_closed "$notice" && fail "a key typed into the Comment closed the notice"
expect_message "保存されていない内容の控え「$DATA/unsaved.txt」を書き込めませんでした。
理由: ディスクがいっぱいです。
入力した内容は画面にそのまま残っています。"
[ ! -e "$DATA/unsaved.txt" ] || fail "the refused copy took room"

# Save: refused for the full disk, naming the file; then room is made, and it goes through.
click_control "$MAIN_WINDOW" 6915 1770 645 330        # Comment's Save
expect_message "ファイル「$DATA/7.txt」に保存できませんでした。
理由: ディスクがいっぱいです。"
rm "$DATA/filler"
click_control "$MAIN_WINDOW" 6915 1770 645 330        # Comment's Save
expect_message 'Commentが保存されました。'
sed 's/$/\r/' "$comment" | head -c -1 >"$WORK/expected.txt"
cmp "$WORK/expected.txt" "$DATA/7.txt" || fail "7.txt is not the pasted Comment"
[ "$(ls -A "$DATA")" = 7.txt ] || fail "the Data folder holds $(ls -A "$DATA")"

# What is typed next is kept, and offered after a kill; its copy then gives way to the next Save
# (two copies of the Comment do not fit the disk beside the file).
type_and_kill '' 'の続き'
start_asked QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
answer_message_box Return                             # Yes
click_control "$MAIN_WINDOW" 6915 1770 645 330        # Comment's Save
expect_message 'Commentが保存されました。'
printf '\x82\xcc\x91\xb1\x82\xab' >>"$WORK/expected.txt" # の続き
cmp "$WORK/expected.txt" "$DATA/7.txt" || fail "7.txt is not the Comment brought back"
eventually test ! -e "$DATA/unsaved.txt" || fail "the recovery file stayed after the save"
[ "$(ls -A "$DATA")" = 7.txt ] || fail "the Data folder holds $(ls -A "$DATA")"
click_control "$MAIN_WINDOW" 8490 1770 855 330        # End
wait_for_exit
echo "e2e recovery: passed"

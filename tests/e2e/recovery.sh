#!/usr/bin/env bash
# What was typed and not saved survives the program being killed: the next start asks, Yes puts
# it back exactly as typed and leaves the field files as they were; after End the next start
# asks nothing; No throws the text away; a recovery file cut in half is put aside with a message
# and the program starts as usual.
source "$(dirname "$0")/harness.sh"

# Starts the program, which asks at once whether to bring back what was not saved.
start_asked() {
    start_quillo
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
echo "e2e recovery: passed"

#!/usr/bin/env bash
# What was typed survives the ends Windows users meet, with quillo.exe under Wine: every Wine
# process killed at once (wineserver -k, as a power cut ends them) and the session ending
# (wineboot --end-session, as Windows restarting for updates does). Each time the next start comes
# up, with no word of a copy that does not answer, asks and brings the text back.
# usage: recovery.sh quillo-VERSION-windows-x86_64.zip
source "$(dirname "$0")/winharness.sh"

unzip -q "$QUILLO_BINARY" -d "$WORK/unpacked"
PROGRAM_FOLDER=$(echo "$WORK"/unpacked/quillo-*-windows-x86_64)
DATA=$PROGRAM_FOLDER/Data
mkdir -p "$DATA"
printf 'Taro\r\n' >"$DATA/1.txt"
for field in 2 3 4 5 6; do printf '\r\n' >"$DATA/$field.txt"; done
printf '\x93\x8a\x8d\x65' >"$DATA/7.txt" # 投稿

# Starts the program, which must come up and ask whether to bring the text back; Yes.
start_and_restore() {
    start_quillo
    answer_message_box Return
}

start_quillo
type_unsaved ' 山田' 'の下書き'
wineserver -k
wait "$APP_PID" 2>/dev/null || true
APP_PID=
start_and_restore
click_control "$MAIN_WINDOW" 4185 90 645 330          # Name's Clip
expect_clipboard 'Taro 山田'
click_control "$MAIN_WINDOW" 7650 1770 645 330        # Comment's Clip
expect_clipboard '投稿の下書き'
expect_data_file 7.txt '\x93\x8a\x8d\x65'

type_unsaved '' '、続き'
env "${JAPANESE_WINDOWS[@]}" wineboot --end-session >>"$WORK/wineboot.log" 2>&1
PATIENCE=300 eventually program_ended || fail "the program outlived the session"
APP_PID=
[ -f "$DATA/unsaved.txt" ] || fail "the end of the session took the recovery file"
start_and_restore
click_control "$MAIN_WINDOW" 7650 1770 645 330        # Comment's Clip
expect_clipboard '投稿の下書き、続き'
end_quillo
[ ! -e "$DATA/unsaved.txt" ] || fail "End left the recovery file"
echo "windows recovery: passed"

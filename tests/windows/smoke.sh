#!/usr/bin/env bash
# The Windows program for real, under Wine on the windows platform in an X server of the test's own:
# unpacked from its zip into a temporary folder, with a Wine prefix of its own. It starts on top and
# makes its Data folder beside itself, saves what is pasted into Name in Windows-31J, Clip puts
# Name on the clipboard that X programs read, and O-put leaves the Comment on the desktop.
# usage: smoke.sh quillo-VERSION-windows-x86_64.zip
source "$(dirname "$0")/../e2e/harness.sh"
# Wine starts its services on the first run of a prefix: more patience than the Linux program needs.
PATIENCE=300

# A failure shows what the program said.
fail() {
    echo "FAIL: $*" >&2
    [ ! -s "$WORK/quillo.log" ] || sed 's/^/quillo.exe: /' "$WORK/quillo.log" >&2
    exit 1
}

end_wine() {
    wineserver -k 2>/dev/null || true
    cleanup
}
trap end_wine EXIT

start_x
export WINEPREFIX=$WORK/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >"$WORK/wineboot.log" 2>&1 || fail "wineboot failed: $(cat "$WORK/wineboot.log")"
wineserver -p 2>/dev/null || true # kept for the whole test (it may already run)

unzip -q "$QUILLO_BINARY" -d "$WORK/unpacked"
PROGRAM_FOLDER=$(echo "$WORK"/unpacked/quillo-*-windows-x86_64)
DATA=$PROGRAM_FOLDER/Data
[ -f "$PROGRAM_FOLDER/quillo.exe" ] || fail "the zip holds no quillo-*/quillo.exe"
[ ! -e "$DATA" ] || fail "the zip holds a Data folder"
WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)

start_quillo() {
    (cd "$PROGRAM_FOLDER" && exec env "$@" "$WINE64" ./quillo.exe >>"$WORK/quillo.log" 2>&1) &
    APP_PID=$!
    MAIN_WINDOW=$(wait_for_window "^${MAIN_TITLE}\$")
}

start_quillo WINEQT_QPA_PLATFORM=windows
eventually test -d "$DATA" || fail "the Data folder was not made beside quillo.exe"
expect_on_top "$MAIN_WINDOW" yes

click_control "$MAIN_WINDOW" 825 105 2565 330        # Name
paste_text 'Taro 山田'
click_control "$MAIN_WINDOW" 3450 90 645 330         # its Save
answer_message_box Return
expect_data_file 1.txt 'Taro \x8e\x52\x93\x63\r\n'

printf 'something else' | xclip -i -selection clipboard
eventually clipboard_holds 'something else' || fail "the clipboard did not take the other text"
click_control "$MAIN_WINDOW" 4185 90 645 330         # Name's Clip
expect_clipboard 'Taro 山田'

# O-put writes the Comment, in Windows-31J, into the user's Desktop folder (Wine's, which it may
# link to the X desktop's).
click_control "$MAIN_WINDOW" 765 2175 8505 3465      # Comment
paste_text '一行目'
click_control "$MAIN_WINDOW" 6180 1770 645 330       # O-put
answer_input_box memo
answer_message_box Return
exported_memo() { find "$WINEPREFIX/drive_c/users" "$HOME" -name memo.txt -path '*Desktop*' 2>/dev/null | head -n1 | grep .; }
memo=$(eventually exported_memo) || fail "O-put left no memo.txt on a desktop"
expect_file "$memo" '\x88\xea\x8d\x73\x96\xda'

click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit
echo "windows smoke: passed"

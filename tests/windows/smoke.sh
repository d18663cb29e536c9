#!/usr/bin/env bash
# The Windows program for real, under Wine on the windows platform in an X server of the test's own:
# unpacked from its zip into a temporary folder, with a Wine prefix of its own, its binaries
# stripped. It starts on top and makes its Data folder beside itself, saves what is pasted into
# Name in Windows-31J, Clip puts Name on the clipboard that X programs read, O-put leaves the
# Comment on the desktop, a second start from the same folder brings the first back to the front
# and ends, and the next start reads the fields back, Windows-31J written on Linux among them, and
# the files of the old program.
# usage: smoke.sh quillo-VERSION-windows-x86_64.zip
source "$(dirname "$0")/winharness.sh"
source "$(dirname "$0")/../e2e/oldprogramdata.sh"

unzip -q "$QUILLO_BINARY" -d "$WORK/unpacked"
PROGRAM_FOLDER=$(echo "$WORK"/unpacked/quillo-*-windows-x86_64)
DATA=$PROGRAM_FOLDER/Data
[ -f "$PROGRAM_FOLDER/quillo.exe" ] || fail "the zip holds no quillo-*/quillo.exe"
[ ! -e "$DATA" ] || fail "the zip holds a Data folder"
# Every program and DLL comes stripped, naming the file of its debugging information.
while IFS= read -r -d '' binary; do
    sections=$(x86_64-w64-mingw32-objdump -h "$binary")
    ! grep -q ' [.]debug_' <<<"$sections" && grep -q ' [.]gnu_debuglink ' <<<"$sections" \
        || fail "${binary#"$PROGRAM_FOLDER"/} is not stripped with a debug link"
done < <(find "$PROGRAM_FOLDER" \( -name '*.exe' -o -name '*.dll' \) -print0)

start_quillo
eventually test -d "$DATA" || fail "the Data folder was not made beside quillo.exe"
expect_on_top "$MAIN_WINDOW" yes

click_control "$MAIN_WINDOW" 825 105 2565 330        # Name
paste_text 'Taro 山田'
click_control "$MAIN_WINDOW" 3450 90 645 330         # its Save
answer_message_box Return
expect_data_file 1.txt 'Taro \x8e\x52\x93\x63\r\n'

put_on_clipboard 'something else'
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

# A second start over the same Data folder hands over to the first (through a named pipe here)
# and ends with 0; the first comes back from the task bar to the front.
xdotool windowminimize --sync "$MAIN_WINDOW"
eventually is_minimised "$MAIN_WINDOW" || fail "the main window was not minimised"
(cd "$PROGRAM_FOLDER" && WINEQT_QPA_PLATFORM=windows run_wine ./quillo.exe \
    >>"$WORK/second.log" 2>&1) || fail "the second start ended with status $?: $(cat "$WORK/second.log")"
[ "$(xdotool search --name "^${MAIN_TITLE}\$")" = "$MAIN_WINDOW" ] \
    || fail "main windows after the second start: [$(xdotool search --name "^${MAIN_TITLE}\$")]"
eventually eval '! is_minimised "$MAIN_WINDOW"' || fail "the main window stayed minimised"
eventually is_active "$MAIN_WINDOW" || fail "the main window is not the active window"

# The next start reads what it saved and what Linux wrote in Windows-31J exactly: Name, and a
# Comment of two lines with half-width kana and an NEC extension (the fields load in turn up to
# the first file missing, so the ones between are there, empty).
end_quillo
for field in 2 3 4 5 6; do : >"$DATA/$field.txt"; done
printf '\x93\x8a\x8d\x65\x82\xb7\x82\xe9\r\n\xb1\xc0\xde \x87\x40\r\n' >"$DATA/7.txt"
start_quillo
put_on_clipboard 'something else'
click_control "$MAIN_WINDOW" 4185 90 645 330         # Name's Clip
expect_clipboard 'Taro 山田'
click_control "$MAIN_WINDOW" 7650 1770 645 330       # Comment's Clip
# The Comment keeps its last line break; Wine hands Windows' CR LF to X programs as LF.
expect_clipboard '投稿する\nｱﾀﾞ ①\n'

# A Data folder as the old program left it, half-width kana whose bytes are UTF-8 too in every
# file, reads as written and is saved back byte for byte.
end_quillo
write_old_program_data "$DATA"
start_quillo
load_and_save_old_program_data
end_quillo
echo "windows smoke: passed"

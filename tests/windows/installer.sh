#!/usr/bin/env bash
# The Windows installer under Wine, as a user or an administrator's script runs it: a silent
# install into Program Files with a Start-menu entry, the installed program keeping its Data in
# the user's application data (Program Files is not the user's to write), and a silent uninstall
# that takes the program and its entry away and leaves the Data.
# usage: installer.sh quillo-VERSION-windows-x86_64-setup.exe
source "$(dirname "$0")/winharness.sh"

drive_c=$WINEPREFIX/drive_c
run_wine "$QUILLO_BINARY" /S >"$WORK/setup.log" 2>&1 \
    || fail "setup ended with $?: $(cat "$WORK/setup.log")"
PROGRAM_FOLDER="$drive_c/Program Files/Quillo"
[ -f "$PROGRAM_FOLDER/quillo.exe" ] \
    || fail "nothing installed in $PROGRAM_FOLDER: $(ls "$drive_c/Program Files")"
start_menu_entry() { find "$drive_c" -path '*Start Menu/Programs/*' -name 'Quillo.lnk' | grep .; }
entry=$(start_menu_entry) || fail "no Start-menu entry Quillo.lnk"

start_quillo
DATA=$(find "$drive_c/users" -path '*/AppData/Roaming/Quillo/Data' -type d | grep .) \
    || fail "the installed program made no Data folder in the user's AppData"
[ ! -e "$PROGRAM_FOLDER/Data" ] || fail "the installed program made its Data in Program Files"
click_control "$MAIN_WINDOW" 825 105 2565 330        # Name
paste_text '山田'
click_control "$MAIN_WINDOW" 3450 90 645 330         # its Save
answer_message_box Return
expect_data_file 1.txt '\x8e\x52\x93\x63\r\n'
end_quillo

# The uninstaller copies itself away and runs from there: what it removes goes a moment later.
run_wine "$PROGRAM_FOLDER/Uninstall.exe" /S >"$WORK/uninstall.log" 2>&1 \
    || fail "the uninstaller ended with $?: $(cat "$WORK/uninstall.log")"
eventually test ! -e "$PROGRAM_FOLDER/quillo.exe" || fail "quillo.exe is still installed"
eventually test ! -e "$entry" || fail "the Start-menu entry is still there"
expect_data_file 1.txt '\x8e\x52\x93\x63\r\n'
echo "windows installer: passed"

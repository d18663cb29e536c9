#!/usr/bin/env bash
# The Windows setup program under Wine, as a user or an administrator's script runs it: a silent
# install into Program Files with a Start-menu entry, the installed program keeping its Data in
# the user's application data (Program Files is not the user's to write); an upgrade to a newer
# version, refused while Quillo runs, then silent and interactive (in Japanese), each leaving one
# entry in Apps & features and the Data as it was; a silent uninstall that takes the program and
# its entry away and leaves the Data. The programs are signed by the given certificate.
# usage: installer.sh SETUP NEXT_SETUP NEXT_VERSION CERTIFICATE (this version's setup program,
# quillo-VERSION-windows-x86_64-setup.exe, one of a raised version, the certificate in PEM)
source "$(dirname "$0")/winharness.sh"
VERSION=$(basename "$QUILLO_BINARY" | sed 's/^quillo-\(.*\)-windows-x86_64-setup[.]exe$/\1/')
NEXT_SETUP=$(readlink -f "$2")
NEXT_VERSION=$3
CERTIFICATE=$(readlink -f "$4")

expect_signed() {
    osslsigncode verify -CAfile "$CERTIFICATE" -in "$1" >"$WORK/verify.log" 2>&1 \
        || fail "$1 is not signed with the certificate: $(cat "$WORK/verify.log")"
}

UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
registry() { run_wine reg query "$@" 2>/dev/null | tr -d '\r'; }
entry_value() { registry "$UNINSTALL_KEY\\Quillo" /v "$1" | awk -v name="$1" '$1 == name { print $3 }'; }
apps_entries() { registry "$UNINSTALL_KEY" /s | grep -c 'DisplayName.*REG_SZ *Quillo$' || true; }
# One entry named Quillo in Apps & features, of that version, with its size.
expect_apps_entry() {
    local entries
    entries=$(apps_entries)
    [ "$entries" = 1 ] || fail "$entries entries named Quillo in Apps & features"
    [ "$(entry_value DisplayVersion)" = "$1" ] \
        || fail "Apps & features shows version $(entry_value DisplayVersion), not $1"
    (($(entry_value EstimatedSize) > 10000)) || fail "no estimated size: $(entry_value EstimatedSize)"
}

data_digest() { (cd "$DATA" && find . -type f -exec md5sum {} + | sort); }
# The setup writes a new quillo.exe: the old one is marked to tell them apart.
mark_program() { touch -d 2001-01-01 "$PROGRAM_FOLDER/quillo.exe"; }
program_replaced() { [ "$(stat -c %Y "$PROGRAM_FOLDER/quillo.exe")" != 978307200 ]; }
expect_data_kept() { [ "$(data_digest)" = "$data" ] || fail "the $1 changed the Data"; }
expect_upgraded() {
    program_replaced || fail "the $1 left the old quillo.exe"
    expect_apps_entry "$NEXT_VERSION"
    expect_data_kept "$1"
}

drive_c=$WINEPREFIX/drive_c
expect_signed "$QUILLO_BINARY"
run_wine "$QUILLO_BINARY" /S >"$WORK/setup.log" 2>&1 \
    || fail "setup ended with $?: $(cat "$WORK/setup.log")"
PROGRAM_FOLDER="$drive_c/Program Files/Quillo"
[ -f "$PROGRAM_FOLDER/quillo.exe" ] \
    || fail "nothing installed in $PROGRAM_FOLDER: $(ls "$drive_c/Program Files")"
expect_signed "$PROGRAM_FOLDER/quillo.exe"
expect_signed "$PROGRAM_FOLDER/Uninstall.exe"
entry=$(find "$drive_c" -path '*Start Menu/Programs/Quillo.lnk' | grep .) \
    || fail "no Start-menu entry Quillo.lnk"
expect_apps_entry "$VERSION"

start_quillo
DATA=$(find "$drive_c/users" -path '*/AppData/Roaming/Quillo/Data' -type d | grep .) \
    || fail "the installed program made no Data folder in the user's AppData"
[ ! -e "$PROGRAM_FOLDER/Data" ] || fail "the installed program made its Data in Program Files"
click_control "$MAIN_WINDOW" 825 105 2565 330        # Name
paste_text '山田'
click_control "$MAIN_WINDOW" 3450 90 645 330         # its Save
answer_message_box Return
expect_data_file 1.txt '\x8e\x52\x93\x63\r\n'

# While Quillo runs, a silent upgrade changes nothing and says why in its exit code.
mark_program
status=0
run_wine "$NEXT_SETUP" /S >"$WORK/setup.log" 2>&1 || status=$?
[ "$status" = 2 ] || fail "an upgrade while Quillo ran ended with $status"
! program_replaced || fail "an upgrade while Quillo ran replaced quillo.exe"
end_quillo
data=$(data_digest)

run_wine "$NEXT_SETUP" /S >"$WORK/setup.log" 2>&1 \
    || fail "the silent upgrade ended with $?: $(cat "$WORK/setup.log")"
expect_upgraded "silent upgrade"

# The interactive setup speaks Japanese. Its pages keep their main button (次へ, 同意する, 完了)
# in one place, near the lower right corner: it is clicked until the setup ends.
mark_program
run_wine "$NEXT_SETUP" >"$WORK/setup.log" 2>&1 &
setup_pid=$!
setup_window=$(wait_for_window '^Quillo セットアップ$')
screenshot "$setup_window" "$WORK/setup-welcome.png"
setup_ended() { ! kill -0 "$setup_pid" 2>/dev/null; }
next_page() {
    eval "$(xdotool getwindowgeometry --shell "$setup_window")"
    xdotool mousemove --window "$setup_window" $((WIDTH - 136)) $((HEIGHT - 23)) click 1
    PATIENCE=20 eventually setup_ended
}
eventually next_page || fail "the interactive setup did not end"
expect_upgraded "interactive upgrade"

# The uninstaller copies itself away and runs from there: what it removes goes a moment later.
run_wine "$PROGRAM_FOLDER/Uninstall.exe" /S >"$WORK/uninstall.log" 2>&1 \
    || fail "the uninstaller ended with $?: $(cat "$WORK/uninstall.log")"
eventually test ! -e "$PROGRAM_FOLDER/quillo.exe" || fail "quillo.exe is still installed"
eventually test ! -e "$entry" || fail "the Start-menu entry is still there"
[ "$(apps_entries)" = 0 ] || fail "the Apps & features entry is still there"
expect_data_kept uninstaller
echo "windows installer: passed"

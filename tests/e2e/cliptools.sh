#!/usr/bin/env bash
# The clipboard tools in the real window, read back the way another program reads the clipboard:
# Clip on Name, Password and a two-line Comment, > and >Set on text another program put there,
# and FileIn through the Open dialog. The drop on the file box stays with the headless tests:
# xdotool cannot drag a file from a file manager.
source "$(dirname "$0")/harness.sh"

# Compares the clipboard, as another program pastes it, with the bytes of a printf format. The
# program takes the click a moment after xdotool has sent it, so the clipboard is polled.
expect_clipboard() {
    local expected actual tries=0
    expected=$(printf "$1" | od -An -tx1 | tr -s ' \n' ' ')
    until actual=$(xclip -o -selection clipboard 2>/dev/null | od -An -tx1 | tr -s ' \n' ' ') \
        && [ "$actual" = "$expected" ]; do
        ((++tries < 50)) || fail "the clipboard holds [$actual], expected [$expected]"
        sleep 0.1
    done
}

# Runs the command until it succeeds, for up to five seconds.
eventually() {
    local tries=0
    until "$@"; do
        ((++tries < 50)) || return 1
        sleep 0.1
    done
}

not_on_top() {
    ! is_on_top "$MAIN_WINDOW"
}

clipboard_is_empty() {
    ! xclip -o -selection clipboard -t TARGETS >/dev/null 2>&1
}

# The clipboard's formats as another program sees them, one a line.
clipboard_targets() {
    xclip -o -selection clipboard -t TARGETS
}

start_x
# Name and Password as saved earlier, in Windows-31J (xdotool cannot type kanji reliably).
mkdir -m 700 -p "$DATA"
printf 'Taro \x8e\x52\x93\x63\r\n' >"$DATA/1.txt"
printf '\r\n\r\n\r\n' >"$DATA/2.txt"
printf '\r\n' >"$DATA/3.txt"
printf 'p@ss\r\n' >"$DATA/4.txt"
start_quillo

click_control "$MAIN_WINDOW" 4185 90 645 330         # Clip of Name
expect_clipboard 'Taro \xe5\xb1\xb1\xe7\x94\xb0'
! clipboard_targets | grep -q x-kde-passwordManagerHint || fail "Name is marked as a secret"

click_control "$MAIN_WINDOW" 7650 510 645 330        # Clip of Password
expect_clipboard 'p@ss'
clipboard_targets | grep -qx x-kde-passwordManagerHint || fail "Password is not marked as a secret"

click_control "$MAIN_WINDOW" 765 2175 8505 3465      # Comment
xdotool type --delay 40 'first'
xdotool key Return
xdotool type --delay 40 'second'
click_control "$MAIN_WINDOW" 7650 1770 645 330       # its Clip
expect_clipboard 'first\r\nsecond'

# Another program's text, quoted with the default mark.
printf 'abc\r\n\r\ndef\r\n' | xclip -selection clipboard -i
click_control "$MAIN_WINDOW" 3240 1770 645 330       # >
answer_message_box Return
expect_clipboard '>abc\r\n>\r\n>def'
[ ! -e "$DATA/res.txt" ] || fail "res.txt was left behind"

# >Set: a mark with a blank after it is kept as typed, and the clipboard is cleared.
click_control "$MAIN_WINDOW" 3975 1770 645 330       # >Set
input_box=$(wait_for_window '^Quillo$')
xdotool windowactivate --sync "$input_box" type --delay 40 '| '
xdotool key Return
while xdotool search --onlyvisible --name '^Quillo$' 2>/dev/null | grep -qx "$input_box"; do
    sleep 0.1
done
answer_message_box Return
expect_data_file inyo.txt '| \r\n'
eventually clipboard_is_empty || fail "the clipboard was not cleared by >Set"
printf 'x\ny\rz' | xclip -selection clipboard -i
click_control "$MAIN_WINDOW" 3240 1770 645 330       # >
answer_message_box Return
expect_clipboard '| x\ny\r\n| z'

# FileIn: a Windows-31J file picked by typing its path into the Open dialog.
printf '\x88\xf8\x97\x70\r\n\x8d\x73\r\n' >"$HOME/post.txt"
click_control "$MAIN_WINDOW" 105 5550 645 330        # FileIn
dialog=$(wait_for_window '^開く$')
eventually not_on_top || fail "the main window stays on top of the Open dialog"
xdotool windowactivate --sync "$dialog" type --delay 40 "$HOME/post.txt"
xdotool key Return
answer_message_box Return
expect_clipboard '\xe5\xbc\x95\xe7\x94\xa8\r\n\xe8\xa1\x8c'
eventually is_on_top "$MAIN_WINDOW" || fail "the main window is not back on top after FileIn"

click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit
echo "e2e cliptools: passed"

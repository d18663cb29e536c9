#!/usr/bin/env bash
# The clipboard tools in the real window, read back the way another program reads the clipboard:
# Clip on Name, Password and a two-line Comment, > and >Set on text another program put there,
# FileIn through the Open dialog, and files and text dragged onto the drop box from another
# window ($QUILLO_DRAG_SOURCE, the drag source that the tests build).
source "$(dirname "$0")/harness.sh"

not_on_top() {
    ! is_on_top "$MAIN_WINDOW"
}

clipboard_is_empty() {
    ! xclip -o -selection clipboard -t TARGETS >/dev/null 2>&1
}

# Puts the bytes of a printf format on the clipboard, as another program would, and waits until
# the clipboard holds them: xclip takes the clipboard a moment after it returns.
# The clipboard's formats as another program sees them, one a line.
clipboard_targets() {
    xclip -o -selection clipboard -t TARGETS
}

# Drags files or text (--text=TEXT) from another window onto the drop box and lets go there.
drop_on_file_box() {
    "$QUILLO_DRAG_SOURCE" "$@" >>"$WORK/dragsource.log" 2>&1 &
    local source_pid=$! source step
    local middle_x=$(((120 + 600 / 2) / 15)) middle_y=$(((4830 + 600 / 2) / 15)) # of lstFileName
    source=$(wait_for_window '^drag source$')
    xdotool windowactivate --sync "$source" mousemove --window "$source" 50 50
    # The pauses pace the hand, as a person drags; they wait for nothing.
    sleep 0.3
    xdotool mousedown 1
    # In small steps, so that each window on the way sees the drag pass.
    for step in 10 9 8 7 6 5 4 3 2 1 0; do
        xdotool mousemove --window "$MAIN_WINDOW" $((middle_x - step * 2)) $((middle_y - step * 4))
        sleep 0.1
    done
    # The box must have answered that it takes the drop before the button is let go.
    sleep 0.3
    xdotool mousemove --window "$MAIN_WINDOW" $((middle_x + 1)) $((middle_y + 1))
    sleep 0.3
    xdotool mouseup 1
    wait "$source_pid"
}

# No message box of the program came of what was just done. The program runs one handler at a
# time, and a message box would keep a click from the main window: once a click on "Pass" has
# opened the about box, whatever came before has been handled.
expect_no_message_box() {
    local about
    click_control "$MAIN_WINDOW" 4920 510 510 330   # the "Pass" label
    about=$(eventually visible_window '^Quilloのﾊﾞｰｼﾞｮﾝ情報$') || fail "$1"
    no_window_titled '^Quillo$' || fail "$1"
    xdotool windowactivate --sync "$about" key Return
    wait_for_window_closed "$about"
    expect_on_top "$MAIN_WINDOW" yes
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
put_on_clipboard 'abc\r\n\r\ndef\r\n'
click_control "$MAIN_WINDOW" 3240 1770 645 330       # >
answer_message_box Return
expect_clipboard '>abc\r\n>\r\n>def'
[ ! -e "$DATA/res.txt" ] || fail "res.txt was left behind"

# >Set: a mark with a blank after it is kept as typed, and the clipboard is cleared.
click_control "$MAIN_WINDOW" 3975 1770 645 330       # >Set
answer_input_box '| '
answer_message_box Return
expect_data_file inyo.txt '| \r\n'
eventually clipboard_is_empty || fail "the clipboard was not cleared by >Set"
# Lines as a browser outside Windows copies them, ended by LF alone, and by a lone CR.
put_on_clipboard 'x\ny\rz\n'
click_control "$MAIN_WINDOW" 3240 1770 645 330       # >
answer_message_box Return
expect_clipboard '| x\r\n| y\r\n| z'

# FileIn: a Windows-31J file in the home folder, where the Open dialog starts, picked by its name.
printf '\x88\xf8\x97\x70\r\n\x8d\x73\r\n' >"$HOME/post.txt"
click_control "$MAIN_WINDOW" 105 5550 645 330        # FileIn
dialog=$(wait_for_window '^開く$')
eventually not_on_top || fail "the main window stays on top of the Open dialog"
xdotool windowactivate --sync "$dialog" type --delay 40 post.txt
xdotool key Return
answer_message_box Return
expect_clipboard '\xe5\xbc\x95\xe7\x94\xa8\r\n\xe8\xa1\x8c'
eventually is_on_top "$MAIN_WINDOW" || fail "the main window is not back on top after FileIn"

# The dialog offers the file picked last: Return takes it in again.
put_on_clipboard 'other'
click_control "$MAIN_WINDOW" 105 5550 645 330        # FileIn
dialog=$(wait_for_window '^開く$')
xdotool windowactivate --sync "$dialog" key Return
answer_message_box Return
expect_clipboard '\xe5\xbc\x95\xe7\x94\xa8\r\n\xe8\xa1\x8c'

# Cancel leaves the clipboard as it was and the main window back on top.
put_on_clipboard 'kept'
click_control "$MAIN_WINDOW" 105 5550 645 330        # FileIn
dialog=$(wait_for_window '^開く$')
xdotool windowactivate --sync "$dialog" key Escape
wait_for_window_closed "$dialog"
eventually is_on_top "$MAIN_WINDOW" || fail "the main window is not back on top after Cancel"
expect_clipboard 'kept'

printf 'dropped\r\n\r\nfile\r\n' >"$HOME/dropped.txt"
# A drop on the box: one ".txt" file is taken in; the main window stays on top throughout.
drop_on_file_box "$HOME/dropped.txt"
answer_message_box Return
expect_clipboard 'dropped\r\n\r\nfile'
is_on_top "$MAIN_WINDOW" || fail "the main window left the always-on-top layer for a drop"

put_on_clipboard 'kept'
drop_on_file_box "$HOME/dropped.txt" "$HOME/post.txt"
answer_message_box Return                             # one file at a time
printf 'capitals' >"$HOME/post.TXT"
drop_on_file_box "$HOME/post.TXT"
answer_message_box Return                             # not a text file
drop_on_file_box --text="$HOME/dropped.txt"
expect_no_message_box "dragged text was taken for a file"
expect_clipboard 'kept'

click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit
echo "e2e cliptools: passed"

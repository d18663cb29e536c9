#!/usr/bin/env bash
# Snapshot slots and an aux memo window in real windows: the slot chooser saves slot 3, the main
# window's "3" loads it back, "Aux" saves a field, and the main window leaves the always-on-top
# layer while a secondary window is open and comes back when one is closed, by its own button or
# through the title bar.
source "$(dirname "$0")/harness.sh"

start_x
start_quillo
expect_on_top "$MAIN_WINDOW" yes

click_control "$MAIN_WINDOW" 825 105 2565 330        # Name
xdotool type --delay 40 'Taro'
click_control "$MAIN_WINDOW" 765 2175 8505 3465      # Comment
xdotool type --delay 40 'line1'
xdotool key Return
xdotool type --delay 40 'line2'

click_control "$MAIN_WINDOW" 9285 5265 195 390       # S
CHOOSER=$(wait_for_window '^All Save 拡張 $')
expect_on_top "$MAIN_WINDOW" no
click_control "$CHOOSER" 1800 420 855 330            # slot 3
answer_message_box Return
expect_data_file save3.txt 'Taro\r\n\r\n\r\n\r\n\r\n\r\nline1\r\nline2\r\n'
click_control "$CHOOSER" 6000 30 855 330             # Close
wait_for_window_gone '^All Save'
expect_on_top "$MAIN_WINDOW" yes

click_control "$MAIN_WINDOW" 8490 90 855 330         # New
click_control "$MAIN_WINDOW" 9285 2925 195 390       # 3
click_control "$MAIN_WINDOW" 7650 1770 645 330       # Comment's Clip
expect_clipboard 'line1\r\nline2'
click_control "$MAIN_WINDOW" 4185 90 645 330         # Name's Clip
expect_clipboard 'Taro'
[ ! -e "$DATA/1.txt" ] || fail "loading a slot wrote a field file"

click_control "$MAIN_WINDOW" 4710 1770 645 330       # Aux
MEMO=$(wait_for_window '^AUX Free Memo$')
expect_on_top "$MAIN_WINDOW" no
xdotool type --delay 40 'free memo'                  # field Ⅶ has the focus
click_control "$MEMO" 7305 2640 645 330              # its Save
answer_message_box Return
expect_data_file 17.txt 'free memo'

# Minimized, it comes back with its unsaved text when "Aux" is pressed again.
click_control "$MEMO" 480 2640 6765 2415             # field Ⅶ again, after its Save
xdotool key ctrl+End
xdotool type --delay 40 ' more'
xdotool windowminimize --sync "$MEMO"
click_control "$MAIN_WINDOW" 4710 1770 645 330       # Aux
[ "$(wait_for_window '^AUX Free Memo$')" = "$MEMO" ] || fail "Aux opened another window"
click_control "$MEMO" 7965 2640 645 330              # Clip of field Ⅶ
expect_clipboard 'free memo more'

# Closing "Aux2" through its title bar puts the main window back on top, "Aux" still open.
xdotool windowactivate --sync "$MAIN_WINDOW"         # in front of "Aux" again
click_control "$MAIN_WINDOW" 5445 1770 645 330       # Aux2
MEMO2=$(wait_for_window '^AUX Free Memo 2$')
expect_on_top "$MAIN_WINDOW" no
xdotool windowactivate --sync "$MEMO2" key alt+F4
wait_for_window_gone '^AUX Free Memo 2$'
expect_on_top "$MAIN_WINDOW" yes

# A message of "Aux" stands in front of the main window, which is on top again.
xdotool windowmove --sync "$MEMO" 360 60             # its buttons clear of the main window
click_control "$MEMO" 7305 120 645 330               # Save of field Ⅰ
BOX=$(wait_for_window '^Quillo$')
eventually is_in_front_of "$BOX" "$MAIN_WINDOW" || fail "the message box is behind the main window"
answer_message_box Return
expect_data_file 11.txt '\r\n'

click_control "$MEMO" 7305 4740 1305 330             # End
wait_for_window_gone '^AUX Free Memo$'
expect_on_top "$MAIN_WINDOW" yes

click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit
echo "e2e memos: passed"

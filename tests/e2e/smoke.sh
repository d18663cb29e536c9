#!/usr/bin/env bash
# The program starts on top, saves what is typed into Name, and ends with "End".
source "$(dirname "$0")/harness.sh"

start_x
start_quillo

[ -d "$DATA" ] || fail "the Data folder was not created"
is_on_top "$MAIN_WINDOW" || fail "the main window is not always on top"

click_control "$MAIN_WINDOW" 825 105 2565 330        # Name
xdotool type --delay 40 'Taro 山田'
click_control "$MAIN_WINDOW" 3450 90 645 330         # its Save
answer_message_box Return
expect_data_file 1.txt 'Taro \x8e\x52\x93\x63\r\n'

click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit
echo "e2e smoke: passed"

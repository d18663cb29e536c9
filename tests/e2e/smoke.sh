#!/usr/bin/env bash
# The program starts on top, saves what is typed into Name, loads it at the next start, and ends
# with "End" or with the title bar's close. In an ibus session it says nothing of the input
# method; with fcitx named and no Qt module for it, it says so once.
source "$(dirname "$0")/harness.sh"

start_x
start_quillo QT_IM_MODULE=ibus XMODIFIERS=@im=ibus GTK_IM_MODULE=ibus

[ -d "$DATA" ] || fail "the Data folder was not created"
expect_on_top "$MAIN_WINDOW" yes

click_control "$MAIN_WINDOW" 825 105 2565 330        # Name
xdotool type --delay 40 'Taro '
paste_text '山田'                                     # xdotool types kanji unreliably
click_control "$MAIN_WINDOW" 3450 90 645 330         # its Save
answer_message_box Return
expect_data_file 1.txt 'Taro \x8e\x52\x93\x63\r\n'

click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit

! grep -q 'input method' "$WORK/quillo.log" || fail "a notice in an ibus session: $(cat "$WORK/quillo.log")"

# The next start fills Name from its file; closing the window ends the program.
start_quillo -u QT_IM_MODULE -u GTK_IM_MODULE XMODIFIERS=@im=fcitx
notices=$(grep -c 'Japanese cannot be typed through the input method fcitx' "$WORK/quillo.log")
[ "$notices" -eq 1 ] || fail "$notices input method notices: $(cat "$WORK/quillo.log")"
click_control "$MAIN_WINDOW" 4185 90 645 330         # Name's Clip
expect_clipboard 'Taro 山田'
xdotool windowactivate --sync "$MAIN_WINDOW" key alt+F4
wait_for_exit
echo "e2e smoke: passed"

#!/usr/bin/env bash
# The program starts on top, saves what is typed into Name, loads it at the next start, and ends
# with "End" or with the title bar's close, and comes back where it was moved to (centred at the
# first start and when its place is on no screen). In an ibus session it says nothing of the input
# method; with fcitx named and no Qt module for it, it says so once.
source "$(dirname "$0")/harness.sh"

start_x
start_quillo QT_IM_MODULE=ibus XMODIFIERS=@im=ibus GTK_IM_MODULE=ibus

[ -d "$DATA" ] || fail "the Data folder was not created"
expect_on_top "$MAIN_WINDOW" yes
centre=$(place_of "$MAIN_WINDOW")
xdotool windowmove --sync "$MAIN_WINDOW" 60 90
moved=$(place_of "$MAIN_WINDOW")
[ "$moved" != "$centre" ] || fail "the window did not move from $centre"

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
is_at() { [ "$(place_of "$1")" = "$2" ]; }
eventually is_at "$MAIN_WINDOW" "$moved" || fail "the window came back at $(place_of "$MAIN_WINDOW"), not $moved"
click_control "$MAIN_WINDOW" 4185 90 645 330         # Name's Clip
expect_clipboard 'Taro 山田'
xdotool windowactivate --sync "$MAIN_WINDOW" key alt+F4
wait_for_exit

# A place on no screen now: the middle of the screen again.
printf '%s\r\n' '-5000,-5000' "$(sed -n 2p "$DATA/window.txt" | tr -d '\r')" >"$DATA/window.txt"
start_quillo
eventually is_at "$MAIN_WINDOW" "$centre" || fail "the window came back at $(place_of "$MAIN_WINDOW"), not $centre"
click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit
echo "e2e smoke: passed"

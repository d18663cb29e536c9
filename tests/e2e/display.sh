#!/usr/bin/env bash
# The label actions, the about box and O-put in a real window: "Mail" turns the fields white on
# black; "Pass" opens the about box with the main window off the top, and Return, Escape or the
# window manager's close each put it back, and a minimized one comes back with the next "Pass";
# O-put leaves the Comment on the desktop.
source "$(dirname "$0")/harness.sh"

NAME_BOX=(825 105 2565 330)
COMMENT_BOX=(765 2175 8505 3465)
ABOUT_TITLE='^Quilloのﾊﾞｰｼﾞｮﾝ情報$'

# Clicks the "Pass" label near its left and its right end by turns: clicks that far apart never
# make a double click, however quickly they follow each other.
pass_clicks=0
click_pass() {
    local left=$((pass_clicks % 2 == 0 ? 4980 : 5370))
    pass_clicks=$((pass_clicks + 1))
    xdotool mousemove --window "$MAIN_WINDOW" $((left / 15)) $(((510 + 165) / 15)) click 1
}

start_x
start_quillo

click_control "$MAIN_WINDOW" "${NAME_BOX[@]}"
paste_text 'Taro 山田 Yamada 太郎'
click_control "$MAIN_WINDOW" 195 510 600 330 # the "Mail" label
name_box_black() {
    screenshot "$MAIN_WINDOW" "$WORK/mail.png" \
        && [ "$(pixels_near_colour "$WORK/mail.png" "${NAME_BOX[@]}" '#000000')" -gt 2000 ]
}
eventually name_box_black \
    || fail "Name is not black after Mail ($(pixels_near_colour "$WORK/mail.png" "${NAME_BOX[@]}" '#000000') black pixels)"
white=$(pixels_near_colour "$WORK/mail.png" "${NAME_BOX[@]}" '#FFFFFF')
[ "$white" -gt 40 ] || fail "the name is not written in white ($white white pixels)"
# The Comment box, scroll bars and all, is black but for its bars.
black=$(pixels_near_colour "$WORK/mail.png" "${COMMENT_BOX[@]}" '#000000')
[ "$black" -gt 100000 ] || fail "the Comment is not black after Mail ($black black pixels)"

# Each way of closing the about box puts the main window back on top.
for key in Return Escape alt+F4; do
    click_pass
    about=$(wait_for_window "$ABOUT_TITLE")
    expect_on_top "$MAIN_WINDOW" no
    if [ "$key" = Return ]; then
        screenshot "$about" "$WORK/about.png"
        # The program's icon, a memo pad with a blue binding, stands beside the title.
        blue=$(pixels_near_colour "$WORK/about.png" 240 240 540 540 '#3A6EA5')
        [ "$blue" -gt 40 ] || fail "the about box shows no program icon ($blue blue pixels)"
    fi
    xdotool windowactivate --sync "$about" key "$key"
    wait_for_window_closed "$about"
    expect_on_top "$MAIN_WINDOW" yes
done

# Minimized through the window manager, the about box comes back with the next click on "Pass".
click_pass
about=$(wait_for_window "$ABOUT_TITLE")
xdotool windowminimize --sync "$about"
click_pass
[ "$(wait_for_window "$ABOUT_TITLE")" = "$about" ] || fail "another about box opened"
xdotool windowactivate --sync "$about" key Return
wait_for_window_closed "$about"
expect_on_top "$MAIN_WINDOW" yes

click_control "$MAIN_WINDOW" "${COMMENT_BOX[@]}"
paste_text '一行目'
xdotool key Return
xdotool type --delay 40 'second'
click_control "$MAIN_WINDOW" 6180 1770 645 330 # O-put
answer_input_box memo
# The message after the input box stands in front of the main window, not hidden behind it.
is_in_front_of "$(wait_for_window '^Quillo$')" "$MAIN_WINDOW" || fail "the message is behind"
answer_message_box Return
expect_file "$DESKTOP/memo.txt" '\x88\xea\x8d\x73\x96\xda\r\nsecond'

click_control "$MAIN_WINDOW" 8490 1770 855 330 # End
wait_for_exit
echo "e2e display: passed"

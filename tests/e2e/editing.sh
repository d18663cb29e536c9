#!/usr/bin/env bash
# Editing between the fields of the real windows: selected text dragged out of one field moves
# into another (Name to Title, ID to Comment, Comment to Name, one aux field to another), text
# dragged onto the drop box or a button stays where it was, and Tab and Shift+Tab walk through
# the Comment and the aux field Ⅶ as through every other field. Each box is read back through
# its Clip button, the way another program reads the clipboard.
source "$(dirname "$0")/harness.sh"

# Double-clicks the field at a point of its text (pixels in the window): the whole text is
# selected.
select_field() {
    xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay 100 1
}

# Presses the left button at a point of the window, moves it in small steps, past Qt's drag
# threshold, to another point of the window and lets go there.
drag_in_window() {
    local window=$1 x=$2 y=$3 to_x=$4 to_y=$5 step steps=10
    xdotool mousemove --window "$window" "$x" "$y"
    # The double click that selected the text must be over: a press within its time would count
    # as a third click. This and the pauses below pace the hand; they wait for nothing.
    sleep 0.5
    xdotool mousedown 1
    for ((step = 1; step <= steps; step++)); do
        xdotool mousemove --window "$window" $((x + (to_x - x) * step / steps)) \
            $((y + (to_y - y) * step / steps))
        sleep 0.1
    done
    # The field under the pointer must have answered that it takes the drop before the button
    # is let go.
    sleep 0.3
    xdotool mousemove --window "$window" $((to_x + 1)) "$to_y"
    sleep 0.3
    xdotool mouseup 1
}

# Selects the whole text of the field at a point of the window and drags it to another point.
drag_whole_field() {
    select_field "$1" "$2" "$3"
    drag_in_window "$@"
}

# Clicks a Clip button (its place in twips) until the clipboard holds the bytes of a printf
# format, for up to five seconds: after a drop on one of its own fields, Qt under X11 can let a
# click go by.
expect_clip() {
    local expected
    expected=$(printf "$4" | hex_bytes)
    clip_gives() {
        click_control "$1" "$2" "$3" 645 330
        PATIENCE=5 eventually clipboard_bytes_are "$4"
    }
    PATIENCE=50 eventually clip_gives "$1" "$2" "$3" "$expected" \
        || fail "the clipboard holds [$(xclip -o -selection clipboard 2>/dev/null | hex_bytes)], expected [$expected]"
}

start_x
mkdir -m 700 -p "$DATA"
printf 'Taro\r\n' >"$DATA/1.txt"
printf '\r\n' >"$DATA/2.txt"
printf 'id42\r\n' >"$DATA/3.txt"
printf '\r\n' >"$DATA/4.txt"
printf '\r\n' >"$DATA/5.txt"
printf 'Re:\r\n' >"$DATA/6.txt"
printf 'Body' >"$DATA/7.txt"
printf 'alpha\r\n' >"$DATA/11.txt"
printf 'beta\r\n' >"$DATA/12.txt"
start_quillo

# Pixels in the main window: a point on the first letters of a field's text, and a point of the
# field to the right of its text, where a drop lands at the end.
name_text='62 18' name_end='200 18'
id_text='372 17'
title_text='62 102' title_end='440 102'
comment_text='60 156' comment_end='300 156'
file_box='28 342'
new_button='600 18'

drag_whole_field "$MAIN_WINDOW" $name_text $title_end
expect_clip "$MAIN_WINDOW" 7650 1350 'Re:Taro'        # Title's Clip
expect_clip "$MAIN_WINDOW" 4185 90 ''                 # Name's Clip

drag_whole_field "$MAIN_WINDOW" $id_text $comment_end
expect_clip "$MAIN_WINDOW" 7650 1770 'Bodyid42'       # Comment's Clip
expect_clip "$MAIN_WINDOW" 7650 90 ''                 # ID's Clip

# The drop box takes files only, and a button takes nothing: text dragged onto them stays in
# its field, the Comment's as well as a line's, and nothing is said.
drag_whole_field "$MAIN_WINDOW" $title_text $file_box
drag_whole_field "$MAIN_WINDOW" $comment_text $file_box
drag_whole_field "$MAIN_WINDOW" $title_text $new_button
! xdotool search --onlyvisible --name '^Quillo$' >/dev/null 2>&1 ||
    fail "text dragged onto the drop box brought up a message"
expect_clip "$MAIN_WINDOW" 7650 1350 'Re:Taro'        # Title's Clip
expect_clip "$MAIN_WINDOW" 7650 1770 'Bodyid42'       # Comment's Clip

drag_whole_field "$MAIN_WINDOW" $comment_text $name_end
expect_clip "$MAIN_WINDOW" 4185 90 'Bodyid42'         # Name's Clip
expect_clip "$MAIN_WINDOW" 7650 1770 ''               # Comment's Clip

# With Ctrl held the drop takes a copy; within one field the selection moves along the text.
select_field "$MAIN_WINDOW" $name_text
xdotool keydown ctrl
drag_in_window "$MAIN_WINDOW" $name_text $comment_end
xdotool keyup ctrl
expect_clip "$MAIN_WINDOW" 7650 1770 'Bodyid42'       # Comment's Clip
expect_clip "$MAIN_WINDOW" 4185 90 'Bodyid42'         # Name's Clip
click_control "$MAIN_WINDOW" 825 1365 6030 330       # Title
xdotool key Home shift+Right shift+Right shift+Right # "Re:"
drag_in_window "$MAIN_WINDOW" $title_text $title_end
expect_clip "$MAIN_WINDOW" 7650 1350 'TaroRe:'        # Title's Clip

# From the Title, Tab goes through Comment, Name and Mail; Shift+Tab comes back the same way.
click_control "$MAIN_WINDOW" 8490 90 855 330         # New
click_control "$MAIN_WINDOW" 825 1365 6030 330       # Title
xdotool key Tab type c
xdotool key Tab type n
xdotool key Tab type m
xdotool key shift+Tab shift+Tab type 2               # back in the Comment, after its "c"
xdotool key ctrl+Tab type 3                          # Ctrl+Tab types a tab there
xdotool key shift+Tab type t                         # and the Title comes before it
expect_clip "$MAIN_WINDOW" 7650 1770 'c2\t3'          # Comment's Clip
expect_clip "$MAIN_WINDOW" 4185 90 'n'                # Name's Clip
expect_clip "$MAIN_WINDOW" 4185 510 'm'               # Mail's Clip
expect_clip "$MAIN_WINDOW" 7650 1350 't'              # Title's Clip

# An aux memo window: field Ⅰ dragged into field Ⅱ; Tab out of field Ⅶ into Ⅰ and back.
click_control "$MAIN_WINDOW" 4710 1770 645 330       # Aux
MEMO=$(wait_for_window '^AUX Free Memo$')
drag_whole_field "$MEMO" 40 19 450 47                # field Ⅰ to the end of field Ⅱ
expect_clip "$MEMO" 7965 540 'betaalpha'              # Clip of Ⅱ
expect_clip "$MEMO" 7965 120 ''                       # Clip of Ⅰ
click_control "$MEMO" 480 2640 6765 2415             # field Ⅶ
xdotool type m7
xdotool key Tab type x                               # replaces Ⅰ, selected by Tab
xdotool key shift+Tab type y
expect_clip "$MEMO" 7965 2640 'm7y'                   # Clip of Ⅶ
expect_clip "$MEMO" 7965 120 'x'                      # Clip of Ⅰ

click_control "$MEMO" 7305 4740 1305 330             # End
wait_for_window_gone '^AUX Free Memo$'
click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit
echo "e2e editing: passed"

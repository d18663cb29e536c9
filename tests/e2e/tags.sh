#!/usr/bin/env bash
# "Link" and "Font" leave their tags on the clipboard, where another program can paste them.
source "$(dirname "$0")/harness.sh"

start_x
start_quillo

click_control "$MAIN_WINDOW" 90 2295 645 330         # Link
answer_input_box 'example.jp/bbs?a=1&b="2"'
answer_input_box 'BBS ' '掲示板'
answer_message_box Return
tag=$(clipboard_text)
expected='<a href="http://example.jp/bbs?a=1&b="2"">BBS 掲示板</a>'
[ "$tag" = "$expected" ] || fail "the clipboard holds [$tag], expected [$expected]"
is_on_top "$MAIN_WINDOW" || fail "the main window left the always-on-top layer"

# The colour dialog stands in front of the main window, which is back on top afterwards.
printf '%s' 'a < b' | xclip -i -selection clipboard
click_control "$MAIN_WINDOW" 90 3555 645 330         # Font
answer_input_box '+2'
dialog=$(wait_for_window '^色を選択$')
! is_on_top "$MAIN_WINDOW" || fail "the main window stayed on top of the colour dialog"
xdotool windowactivate --sync "$dialog" key Return   # black, the first time
answer_message_box Return
tag=$(clipboard_text)
expected='<Font Size=+2 color="#000000">a < b</font>'
[ "$tag" = "$expected" ] || fail "the clipboard holds [$tag], expected [$expected]"
is_on_top "$MAIN_WINDOW" || fail "the main window did not return to the always-on-top layer"

# A URL list, as a file manager leaves when a file is copied, is no text: the tag is empty.
printf 'file:///tmp/post.txt\r\n' | xclip -i -selection clipboard -t text/uri-list
holds_url_list() { xclip -o -selection clipboard -t TARGETS 2>/dev/null | grep -q uri-list; }
eventually holds_url_list || fail "the clipboard did not take the URL list"
click_control "$MAIN_WINDOW" 90 3555 645 330         # Font
answer_input_box '3'
dialog=$(wait_for_window '^色を選択$')
xdotool windowactivate --sync "$dialog" key Return   # black again, the colour chosen last
answer_message_box Return
tag=$(clipboard_text)
expected='<Font Size=3 color="#000000"></font>'
[ "$tag" = "$expected" ] || fail "the clipboard holds [$tag], expected [$expected]"
echo "e2e tags: passed"

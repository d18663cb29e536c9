#!/usr/bin/env bash
# "Link" asks for the address and the site name and leaves the tag on the clipboard, where
# another program can paste it.
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
echo "e2e link tag: passed"

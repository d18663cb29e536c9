#!/usr/bin/env bash
# On a screen scaled to 150 % the main window is laid out at one and a half times its size, and
# the one-pixel divider before the column of bulk commands still shows (a frame line fell between
# the pixels there).
source "$(dirname "$0")/harness.sh"

start_x
start_quillo QT_SCALE_FACTOR=1.5
screenshot "$MAIN_WINDOW" "$WORK/main.png"
size=$(identify -format '%wx%h' "$WORK/main.png")
# 9480 by 5880 twips, 632 by 392 pixels at 100 %.
[ "$size" = 948x588 ] || fail "the main window is $size at 150 %, expected 948x588"

# The divider runs from (8385, 90) to (8385, 2085) twips: a column of pixels around x 838.
dark=$(convert "$WORK/main.png" -crop 7x170+835+20 +repage -fuzz 25% -fill '#FF00FF' \
    -opaque '#000000' -format %c histogram:info:- |
    awk '/#FF00FF/ { sub(":", "", $1); n += $1 } END { print n + 0 }')
[ "$dark" -ge 170 ] || fail "the divider is missing at 150 % ($dark dark pixels)"

click_control "$MAIN_WINDOW" 12735 2655 1282 495     # End, at 150 %
wait_for_exit
echo "e2e highdpi: passed"

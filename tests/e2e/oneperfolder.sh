#!/usr/bin/env bash
# One running copy per Data folder: a second start brings the running main window back to the
# front and ends; a copy killed outright does not stop the next start; copies with Data folders
# of their own run side by side.
source "$(dirname "$0")/harness.sh"

main_windows() {
    xdotool search --name "^${MAIN_TITLE}\$" 2>/dev/null || true
}

# Whether that many main windows are shown.
main_windows_shown() {
    [ "$(xdotool search --onlyvisible --name "^${MAIN_TITLE}\$" 2>/dev/null | wc -l)" = "$1" ]
}

start_x
start_quillo
first=$MAIN_WINDOW
click_control "$first" 765 2175 8505 3465            # Comment
xdotool type --delay 40 'unsaved'
click_control "$first" 7650 1770 645 330             # Clip of Comment
expect_clipboard 'unsaved'
printf 'elsewhere' | xclip -selection clipboard -i
expect_clipboard 'elsewhere'
xdotool windowminimize --sync "$first"
eventually is_minimised "$first" || fail "the main window was not minimised"

# The second start over the same Data folder hands over and ends with 0, showing nothing.
(cd "$PROGRAM_FOLDER" && exec timeout 20 ./quillo >>"$WORK/second.log" 2>&1) \
    || fail "the second start ended with status $?: $(cat "$WORK/second.log")"
[ "$(main_windows)" = "$first" ] || fail "main windows after the second start: [$(main_windows)]"
eventually eval '! is_minimised "$first"' || fail "the main window stayed minimised"
expect_on_top "$first" yes
eventually is_active "$first" || fail "the main window is not the active window"
eventually main_windows_shown 1 || fail "the main window is not shown again"
# The typed text is still there. The window manager may still be placing the window that came
# back when the first click arrives, so the click is tried again until the text comes.
clip_comment_gives_unsaved() {
    click_control "$first" 7650 1770 645 330         # Clip of Comment
    PATIENCE=3 eventually clipboard_holds unsaved
}
eventually clip_comment_gives_unsaved || fail "the clipboard holds [$(clipboard_text)], not the typed text"

# A copy killed outright leaves its lock and socket behind; the next start opens all the same.
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
wait_for_window_gone "^${MAIN_TITLE}\$"
start_quillo
expect_on_top "$MAIN_WINDOW" yes

# Another program folder, another Data folder: a second window beside the first.
mkdir -p "$WORK/other"
cp "$QUILLO_BINARY" "$WORK/other/quillo"
(cd "$WORK/other" && exec ./quillo >>"$WORK/other.log" 2>&1) &
OTHER_PIDS=$!
eventually main_windows_shown 2 || fail "the second program folder's main window did not appear"
kill -0 "$APP_PID" || fail "the first copy ended"

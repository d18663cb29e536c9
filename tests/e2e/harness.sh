# The real-window harness: sourced by the end-to-end tests with the built program as $1.
# It starts a private X server with a window manager, runs the program from a temporary program
# folder and drives it with xdotool the way a person would; everything ends with the test.
set -euo pipefail
# Japanese window titles and texts go through xdotool and xclip: a UTF-8 locale that every Debian
# and Ubuntu has, whatever the caller's.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

QUILLO_BINARY=$(readlink -f "$1")
WORK=$(mktemp -d)
PROGRAM_FOLDER=$WORK/program
DATA=$PROGRAM_FOLDER/Data
MAIN_TITLE='Quillo for Internet BBS'
APP_PID=
WM_PID=
X_PID=
OTHER_PIDS= # what else a test starts and that must end with it

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cleanup() {
    local pid
    for pid in $APP_PID $OTHER_PIDS $WM_PID $X_PID; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

start_x() {
    export XDG_RUNTIME_DIR=$WORK/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # A home of its own: the program's dialogs start there, caches and settings land there, and
    # its desktop is the test's.
    export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config
    DESKTOP=$HOME/Desktop
    mkdir -m 700 "$HOME"
    mkdir -p "$DESKTOP" "$XDG_CONFIG_HOME"
    # A test that starts as another ends may be handed the display number of the other's server
    # while that is still going away, and its clients then reach the old server, which leaves
    # them: a server whose window manager cannot reach it is started again.
    local attempt
    for attempt in 1 2 3; do
        start_x_server && start_window_manager && share_with_session_bus && return 0
        kill $WM_PID "$X_PID" 2>/dev/null || true
        wait $WM_PID "$X_PID" 2>/dev/null || true
        WM_PID=
    done
    fail "Xvfb or openbox did not start: $(cat "$WORK/xvfb.log" "$WORK/openbox.log")"
}

# A test on a session bus of its own (the accessibility tests) has the services that bus starts,
# the accessibility bus among them, live in its own folders and on its own display: from the
# caller's home they would share one socket with every other such test running beside it.
share_with_session_bus() {
    [ -z "${QUILLO_OWN_SESSION_BUS:-}" ] \
        || dbus-update-activation-environment HOME XDG_RUNTIME_DIR XDG_CONFIG_HOME DISPLAY
}

# Starts Xvfb on a display number it chooses, and sets DISPLAY once the server answers there.
start_x_server() {
    exec 3>"$WORK/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    X_PID=$!
    exec 3>&-
    # Starting the servers is not what a test measures, and on two cores busy with a package build
    # it may take long: they get a minute.
    PATIENCE=600 eventually test -s "$WORK/display" || return 1
    export DISPLAY=:$(head -n1 "$WORK/display")
    PATIENCE=100 eventually xdpyinfo >/dev/null 2>&1
}

start_window_manager() {
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    openbox >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    PATIENCE=600 eventually window_manager_settled
    window_manager_runs
}

# True once openbox manages the screen or has ended, which no waiting mends.
window_manager_settled() {
    window_manager_runs || ! kill -0 "$WM_PID" 2>/dev/null
}

window_manager_runs() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# Starts the program from its own folder and sets MAIN_WINDOW to its main window. Arguments are
# changes to its environment, as env takes them (VAR=VALUE, -u VAR).
start_quillo() {
    mkdir -p "$PROGRAM_FOLDER"
    cp "$QUILLO_BINARY" "$PROGRAM_FOLDER/quillo"
    (cd "$PROGRAM_FOLDER" && exec env "$@" ./quillo >>"$WORK/quillo.log" 2>&1) &
    APP_PID=$!
    MAIN_WINDOW=$(wait_for_window "^${MAIN_TITLE}\$")
}

# How long anything awaited may take, in tenths of a second: longer when the program runs under
# valgrind.
PATIENCE=${PATIENCE:-100}

# Microseconds since the epoch, whatever decimal separator the locale gives bash.
now_us() { echo "${EPOCHREALTIME//[!0-9]/}"; }

# Runs the command until it succeeds, looking again every tenth of a second until the deadline,
# PATIENCE tenths of a second from now; false when the deadline passes first.
eventually() {
    local deadline=$(($(now_us) + PATIENCE * 100000))
    until "$@"; do
        (($(now_us) < deadline)) || return 1
        sleep 0.1
    done
}

# Prints the id of the first visible window whose title matches the pattern; false when none.
visible_window() {
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [ -n "$id" ] \
        && echo "$id"
}

# Prints the id of the first visible window whose title matches the pattern, once there is one.
wait_for_window() {
    local id
    id=$(eventually visible_window "$1") || fail "no window titled /$1/ appeared"
    echo "$id"
}

# Clicks the middle of a control of the window, given its place in twips as laid out.
click_control() {
    local window=$1 left=$2 top=$3 width=$4 height=$5
    xdotool mousemove --window "$window" $(((left + width / 2) / 15)) $(((top + height / 2) / 15)) \
        click 1
}

# Answers the message box of the program that is showing with a key (Return is OK).
answer_message_box() {
    local box
    box=$(wait_for_window '^Quillo$')
    xdotool windowactivate --sync "$box" key "$1"
    wait_for_window_gone '^Quillo$'
}

# Answers the box that is showing with OK; another box may follow it at once.
answer_box() {
    local box
    box=$(wait_for_window '^Quillo$')
    xdotool windowactivate --sync "$box" key Return
    wait_for_window_closed "$box"
}

# Puts the text on the clipboard, as another program would, and pastes it with Ctrl+V into the
# control that has the focus. Characters outside the keyboard map (Japanese) go in this way:
# xdotool types them through a keymap change that the program may see too late.
paste_text() {
    printf '%s' "$1" | xclip -i -selection clipboard
    eventually clipboard_holds "$1" || fail "the clipboard did not take [$1]"
    xdotool key ctrl+v
}

# Types the answer into the program's input box that is showing, pastes a second part if given,
# and confirms it with Return.
answer_input_box() {
    local box
    box=$(wait_for_window '^Quillo$')
    xdotool windowactivate --sync "$box" type --delay 40 "$1"
    [ -z "${2:-}" ] || paste_text "$2"
    xdotool key Return
    wait_for_window_closed "$box"
}

# A browser opener that only writes down what it is asked to open, in OPENER_FOLDER, to put on
# the program's PATH in place of the desktop's.
make_recording_opener() {
    OPENER_FOLDER=$WORK/opener
    mkdir "$OPENER_FOLDER"
    cat >"$OPENER_FOLDER/xdg-open" <<RECORD
#!/bin/sh
printf '%s\n' "\$@" >>"$WORK/opened"
RECORD
    chmod +x "$OPENER_FOLDER/xdg-open"
}

# Waits until the recording opener has been asked to open the preview page, and only that.
expect_preview_opened() {
    eventually test -s "$WORK/opened" || fail "the page was not handed to the browser"
    [ "$(cat "$WORK/opened")" = "file://$DATA/check.html" ] \
        || fail "the browser was asked to open [$(cat "$WORK/opened")]"
}

# The body of a page as Debian's headless Chromium shows it, with its line breaks dropped.
page_body_in_chromium() {
    local page
    page=$(chromium --headless --no-sandbox --disable-gpu --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$(mktemp -d -p "$WORK")" --dump-dom "file://$1" 2>"$WORK/chromium.log") \
        || fail "Chromium could not show $1: $(cat "$WORK/chromium.log")"
    printf '%s' "$page" | tr -d '\n' | sed -n 's/.*<body[^>]*>\(.*\)<\/body>.*/\1/p'
}

clipboard_text() {
    xclip -o -selection clipboard
}

# The post check, read and clicked over the accessibility bus as a screen reader would (the
# program started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, the test on a session bus of its own).
CHECK_TITLE='書き込みチェック'
check_labels() { /usr/bin/python3 "$(dirname "$0")/accessibility.py" --labels "$CHECK_TITLE"; }
check_says() { grep -qxF "$1" <<<"$(check_labels 2>/dev/null)"; }
expect_check() {
    eventually check_says "$1" || fail "the check does not say [$1]: $(check_labels)"
}
# Clicks the control or list item of the check window that a screen reader names so.
click_named() {
    local where
    where=$(/usr/bin/python3 "$(dirname "$0")/accessibility.py" --where "$CHECK_TITLE" "$1") \
        || fail "no [$1] in the check window"
    xdotool mousemove $where click 1
}
# How many windows of the program are shown; a menu is one too.
program_windows() { xdotool search --onlyvisible --class quillo 2>/dev/null | wc -l; }

# Reads the message box that is showing over the accessibility bus, as a screen reader reads it
# (the program started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, the test on a session bus of its
# own), checks its text and answers it with OK.
expect_message() {
    local text
    text=$(/usr/bin/python3 "$(dirname "$0")/accessibility.py" --message) || fail "no message box to read"
    [ "$text" = "$1" ] || fail "the message reads [$text], expected [$1]"
    answer_message_box Return
}

clipboard_holds() {
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]
}

window_closed() {
    ! xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1"
}

# Waits until the window of that id is no longer shown.
wait_for_window_closed() {
    eventually window_closed "$1" || fail "window $1 did not close"
}

# Saves a picture of the window; with E2E_SHOTS set, a copy goes there to be looked at.
screenshot() {
    import -window "$1" "$2"
    if [ -n "${E2E_SHOTS:-}" ]; then
        mkdir -p "$E2E_SHOTS"
        cp "$2" "$E2E_SHOTS/"
    fi
}

# How many pixels inside a control of a screenshot (its place in twips, less a border of 3
# pixels) are of the colour (#RRGGBB) or close to it, as the edges of smoothed letters are.
pixels_near_colour() {
    local shot=$1 left=$2 top=$3 width=$4 height=$5 colour=$6
    convert "$shot" -crop "$((width / 15 - 6))x$((height / 15 - 6))+$((left / 15 + 3))+$((top / 15 + 3))" \
        +repage -fuzz 20% -fill '#FF00FF' -opaque "$colour" -format %c histogram:info:- |
        awk '/#FF00FF/ { sub(":", "", $1); n += $1 } END { print n + 0 }'
}

# Whether the window manager stacks the first window above the second.
is_in_front_of() {
    local stack above below
    stack=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*#//' | tr -d ' ' | tr ',' '\n')
    above=$(grep -nx "$(printf '0x%x' "$1")" <<<"$stack" | cut -d: -f1)
    below=$(grep -nx "$(printf '0x%x' "$2")" <<<"$stack" | cut -d: -f1)
    [ -n "$above" ] && [ -n "$below" ] && [ "$above" -gt "$below" ]
}

# Where the window stands on the screen, as X,Y.
place_of() {
    xdotool getwindowgeometry "$1" | awk '/Position:/ { print $2 }'
}

is_minimised() {
    xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN
}

is_active() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]
}

is_on_top() {
    xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE
}

# Waits for the window manager to show the window in the always-on-top layer (yes) or out of it
# (no): the change reaches it a moment after the program makes it.
expect_on_top() {
    eventually on_top_is "$1" "$2" || fail "window $1: always on top is not $2"
}

on_top_is() {
    local state=no
    is_on_top "$1" && state=yes
    [ "$state" = "$2" ]
}

no_window_titled() {
    ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}

wait_for_window_gone() {
    eventually no_window_titled "$1" || fail "the window titled /$1/ did not close"
}

hex_bytes() {
    od -An -tx1 | tr -s ' \n' ' '
}

# Puts the bytes of a printf format on the clipboard, as another program would.
put_on_clipboard() {
    printf "$1" | xclip -selection clipboard -i
    expect_clipboard "$1"
}

# Compares a file with the bytes of a printf format. A command may write it a moment after its
# box has gone (the slot chooser's question comes before the write): it gets that moment.
expect_file() {
    local path=$1 expected
    expected=$(printf "$2" | hex_bytes)
    eventually file_bytes_are "$path" "$expected" || {
        [ -f "$path" ] || fail "$path is missing"
        fail "$path holds [$(hex_bytes <"$path")], expected [$expected]"
    }
}

file_bytes_are() {
    [ -f "$1" ] && [ "$(hex_bytes <"$1")" = "$2" ]
}

# Compares a file of the Data folder with the bytes of a printf format.
expect_data_file() { expect_file "$DATA/$1" "$2"; }

# Compares the clipboard, as another program reads it, with the bytes of a printf format.
expect_clipboard() {
    local expected
    expected=$(printf "$1" | hex_bytes)
    eventually clipboard_bytes_are "$expected" \
        || fail "the clipboard holds [$(xclip -o -selection clipboard 2>/dev/null | hex_bytes)], expected [$expected]"
}

clipboard_bytes_are() {
    [ "$(xclip -o -selection clipboard 2>/dev/null | hex_bytes)" = "$1" ]
}

# Types after the texts of Name and the Comment and waits until the recovery file holds what was
# typed into the Comment (in Windows-31J, which holds all the tests type).
type_unsaved() {
    click_control "$MAIN_WINDOW" 825 105 2565 330        # Name
    xdotool key End
    paste_text "$1"
    click_control "$MAIN_WINDOW" 765 2175 8505 3465      # Comment
    xdotool key ctrl+End
    paste_text "$2"
    eventually recovery_holds "$2" || fail "the recovery file did not take what was typed"
}

recovery_holds() {
    iconv -f CP932 -t UTF-8 "$DATA/unsaved.txt" 2>/dev/null | grep -qF "$1"
}

program_ended() {
    ! kill -0 "$APP_PID" 2>/dev/null
}

wait_for_exit() {
    eventually program_ended || fail "the program did not end"
    APP_PID=
}

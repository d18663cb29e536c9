#!/usr/bin/env bash
# In a Wayland session (weston with Xwayland, as on a current desktop) the program runs on X11
# through Xwayland, where the window manager keeps it on top; run natively on Wayland, by the
# user's choice or for want of Xwayland, it says once that always-on-top is not available.
source "$(dirname "$0")/harness.sh"

NOTICE='Quillo: always-on-top is not available on Wayland; the main window may not stay in front of other windows.'

export XDG_RUNTIME_DIR=$WORK/runtime HOME=$WORK/home
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
WAYLAND_SOCKET_NAME=quillo-wayland-test
weston --backend=headless-backend.so --xwayland --socket="$WAYLAND_SOCKET_NAME" \
    --log="$WORK/weston.log" >"$WORK/weston.out" 2>&1 &
OTHER_PIDS=$!
eventually grep -q 'xserver listening on display' "$WORK/weston.log" 2>/dev/null \
    || fail "weston did not start Xwayland: $(cat "$WORK/weston.log" "$WORK/weston.out")"
XWAYLAND_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log")

# Starts the program from a fresh program folder in the weston session, with only the session's
# variables (DISPLAY left out when the second argument is "no-x") and the settings given
# (VAR=VALUE); sets QUILLO_PID and QUILLO_LOG.
start_in_session() {
    local folder=$WORK/$1
    shift
    local session=(HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" PATH="$PATH"
        WAYLAND_DISPLAY="$WAYLAND_SOCKET_NAME" XDG_SESSION_TYPE=wayland)
    if [ "${1:-}" = no-x ]; then
        shift
    else
        session+=(DISPLAY="$XWAYLAND_DISPLAY")
    fi
    mkdir -p "$folder"
    cp "$QUILLO_BINARY" "$folder/quillo"
    QUILLO_LOG=$folder/stderr
    (cd "$folder" && exec env -i "${session[@]}" "$@" ./quillo 2>"$QUILLO_LOG") &
    QUILLO_PID=$!
    OTHER_PIDS="$OTHER_PIDS $QUILLO_PID"
    DATA=$folder/Data
}

main_windows_on_xwayland() {
    DISPLAY=$XWAYLAND_DISPLAY xdotool search --onlyvisible --name "^${MAIN_TITLE}\$" 2>/dev/null
}

# Runs natively on Wayland: it stays up, shows its window (the Data folder is made once the
# window is shown), says the notice exactly once, and has no window on the X display.
expect_native_wayland() {
    eventually test -d "$DATA" || fail "$1: the program did not get as far as its window"
    eventually grep -q . "$QUILLO_LOG" || fail "$1: no notice on standard error"
    kill -0 "$QUILLO_PID" 2>/dev/null || fail "$1: the program did not stay up: $(cat "$QUILLO_LOG")"
    [ "$(grep -c . "$QUILLO_LOG")" = 1 ] && grep -qxF "$NOTICE" "$QUILLO_LOG" \
        || fail "$1: standard error holds [$(cat "$QUILLO_LOG")]"
    [ -z "$(main_windows_on_xwayland)" ] || fail "$1: the main window is on the X display"
    kill "$QUILLO_PID"
}

# Left to itself, the program runs on Xwayland, silently.
start_in_session default
eventually main_windows_on_xwayland >/dev/null \
    || fail "no main window on the Xwayland display: $(cat "$QUILLO_LOG")"
[ ! -s "$QUILLO_LOG" ] || fail "standard error on Xwayland holds [$(cat "$QUILLO_LOG")]"
kill "$QUILLO_PID"
eventually test -z "$(main_windows_on_xwayland)" || fail "the main window did not close"

# The user's own choice of Wayland is respected.
start_in_session chosen QT_QPA_PLATFORM=wayland
expect_native_wayland "QT_QPA_PLATFORM=wayland"

# A Wayland session without Xwayland starts natively.
start_in_session bare no-x
expect_native_wayland "without Xwayland"

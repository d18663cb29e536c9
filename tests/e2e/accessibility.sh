#!/usr/bin/env bash
# What a screen reader reads: the program runs with Qt's accessibility bridge on, on a private
# session bus of its own, and a script reads its main window and both aux memo windows over the
# accessibility bus (AT-SPI): every text box is named after the label beside it, and the file
# drop box is described by its tooltip.
[ -n "${QUILLO_OWN_SESSION_BUS:-}" ] \
    || QUILLO_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/harness.sh"

# The distribution's Python, which has the AT-SPI bindings, whatever python3 comes first on PATH.
read_window() {
    /usr/bin/python3 "$(dirname "$0")/accessibility.py" "$1" || fail "read over AT-SPI"
}

start_x
start_quillo QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
read_window 'Quillo for Internet BBS'

click_control "$MAIN_WINDOW" 4710 1770 645 330       # Aux
wait_for_window '^AUX Free Memo$' >/dev/null
read_window 'AUX Free Memo'
xdotool windowactivate --sync "$MAIN_WINDOW"         # in front of "Aux" again
click_control "$MAIN_WINDOW" 5445 1770 645 330       # Aux2
wait_for_window '^AUX Free Memo 2$' >/dev/null
read_window 'AUX Free Memo 2'
echo "e2e accessibility: passed"

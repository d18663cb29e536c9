# The real-window harness for the Windows program: sourced by the Wine tests with the package
# under test as $1. On top of the end-to-end harness, an X server of the test's own with a Wine
# prefix of its own, the windows platform, and Wine's server ended with the test.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/harness.sh"
source "$(dirname "${BASH_SOURCE[0]}")/japanesewindows.sh"
# Wine starts its services on the first run of a prefix: more patience than the Linux program needs.
PATIENCE=300
WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)

# A failure shows what the program said.
fail() {
    echo "FAIL: $*" >&2
    [ ! -s "$WORK/quillo.log" ] || sed 's/^/quillo.exe: /' "$WORK/quillo.log" >&2
    exit 1
}

end_wine() {
    wineserver -k 2>/dev/null || true
    cleanup
}
trap end_wine EXIT

start_x
export WINEPREFIX=$WORK/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
japanese_windows "$WORK/locale"
env "${JAPANESE_WINDOWS[@]}" wineboot -i >"$WORK/wineboot.log" 2>&1 \
    || fail "wineboot failed: $(cat "$WORK/wineboot.log")"
wineserver -p 2>/dev/null || true # kept for the whole test (it may already run)

# Runs a Windows program as on Japanese Windows.
run_wine() {
    env "${JAPANESE_WINDOWS[@]}" "$WINE64" "$@"
}

# Starts quillo.exe from PROGRAM_FOLDER on the windows platform and sets MAIN_WINDOW to its main
# window. Arguments are changes to its environment, as env takes them.
start_quillo() {
    (cd "$PROGRAM_FOLDER" && exec env WINEQT_QPA_PLATFORM=windows "$@" "${JAPANESE_WINDOWS[@]}" \
        "$WINE64" ./quillo.exe >>"$WORK/quillo.log" 2>&1) &
    APP_PID=$!
    MAIN_WINDOW=$(wait_for_window "^${MAIN_TITLE}\$")
}

# Ends the program with its End button, and waits for it to be gone. A window that Wine has just
# shown again takes clicks only once it is back on the screen, a moment later: End is pressed
# again until it takes.
end_quillo() {
    eventually press_end || fail "the program did not end"
    APP_PID=
}

press_end() {
    click_control "$MAIN_WINDOW" 8490 1770 855 330   # End
    PATIENCE=20 eventually program_ended
}

#!/usr/bin/env bash
# Runs a Windows program of the build under Wine: ctest's emulator for the `windows` build
# (CMAKE_CROSSCOMPILING_EMULATOR). usage: wine.sh PROGRAM.exe [ARGUMENTS...] | --start | --end
#
# The Wine prefix is the build folder's own (WINE_PREFIX_DIR, default wine-prefix beside the tests),
# made once with `wineboot -i`; one `wineserver -p` is started with it and serves the whole run
# (ctest otherwise waits forever on Wine's background services). End it with `wineserver -k`.
# Qt's variables reach a Windows program only WINE-prefixed: the offscreen platform, logging to
# standard error (a GUI program has no console), the cross-built Qt's plugins, and the fonts
# folder of the offscreen platform.
set -euo pipefail
: "${QUILLO_QT_MINGW:?the cross-built Qt folder}"
: "${WINE_PREFIX_DIR:?the Wine prefix folder}"
: "${TEST_FONT_DIR:?the folder of the fonts for offscreen Qt}"
export WINEPREFIX=$WINE_PREFIX_DIR WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
source "$(dirname "$0")/japanesewindows.sh"
japanese_windows "$WINEPREFIX.locale"

# The prefix, made once: by whichever test gets here first, the others waiting for it.
if [ ! -f "$WINEPREFIX/.quillo-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/.quillo-ready" ]; then
        rm -rf "$WINEPREFIX"
        env "${JAPANESE_WINDOWS[@]}" wineboot -i >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.quillo-ready"
    fi
    flock -u 9
fi
# One server for the whole run, kept after the last program ends (-p without a time: until
# `wineserver -k`); starting it again while it runs does nothing.
wineserver -p >/dev/null 2>&1 || true
case ${1-} in
    --start) exit 0 ;;                        # the prefix and the server, before the first test
    --end) exec wineserver -k ;;              # after the last
esac

to_windows() { winepath -w "$1" 2>/dev/null; }
qt_bin=$(to_windows "$QUILLO_QT_MINGW/bin")
gcc_runtime=$(to_windows /usr/lib/gcc/x86_64-w64-mingw32/12-posix)
mingw_runtime=$(to_windows /usr/x86_64-w64-mingw32/lib)
export WINEPATH="$qt_bin;$gcc_runtime;$mingw_runtime"
export WINEQT_PLUGIN_PATH=$(to_windows "$QUILLO_QT_MINGW/plugins")
export WINEQT_QPA_PLATFORM=${WINEQT_QPA_PLATFORM:-offscreen}
export WINEQT_QPA_FONTDIR=$(to_windows "$TEST_FONT_DIR")
export WINEQT_FORCE_STDERR_LOGGING=1
# Debian keeps the 64-bit loader out of PATH.
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
exec env "${JAPANESE_WINDOWS[@]}" "$wine64" "$@"

#!/usr/bin/env bash
# Start-up of the Windows program under Wine as the zip gives it (stripped) against the same
# folder with the binaries as they were built (unstripped), paired run by run in a private Xvfb
# with openbox and a Wine prefix of its own: the time from starting quillo.exe until its main
# window is shown. Usage: bench/wine-startup.sh ZIP [BUILD_DIR] [PAIRS], with the zip of
# `./package.sh windows` and its build folder (build-windows-release).
set -euo pipefail
BENCH=$(cd "$(dirname "$0")" && pwd)
ZIP=$(readlink -f "${1:?usage: wine-startup.sh ZIP [BUILD_DIR] [PAIRS]}")
BUILD=$(readlink -f "${2:-$BENCH/../build-windows-release}")
PAIRS=${3:-9}
: "${QUILLO_QT_MINGW:=/var/cache/quillo/qt6-mingw}"
source "$BENCH/../tests/windows/winharness.sh" "$ZIP"

unzip -q "$ZIP" -d "$WORK/stripped"
stripped=$(echo "$WORK"/stripped/quillo-*-windows-x86_64)
unstripped=$WORK/unstripped
cp -r "$stripped" "$unstripped"
# Each binary as it was before the package stripped it.
cp "$BUILD/bin/quillo.exe" "$unstripped/quillo.exe"
while IFS= read -r -d '' binary; do
    name=$(basename "$binary")
    original=$(find "$QUILLO_QT_MINGW/bin" "$QUILLO_QT_MINGW/plugins" \
        /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib -name "$name" | head -n1)
    [ -n "$original" ] || fail "no original of $name"
    cp "$original" "$unstripped/${binary#"$stripped"/}"
done < <(find "$stripped" -name '*.dll' -print0)

# Milliseconds from the start until the main window is shown; the program is then ended.
start_ms() {
    local begin pid
    begin=$(now_us)
    (cd "$1" && exec env WINEQT_QPA_PLATFORM=windows "${JAPANESE_WINDOWS[@]}" "$WINE64" ./quillo.exe \
        >>"$WORK/quillo.log" 2>&1) &
    pid=$!
    until visible_window "^${MAIN_TITLE}\$" >/dev/null; do
        (($(now_us) - begin < 60000000)) || fail "no window from $1"
        sleep 0.01
    done
    echo $((($(now_us) - begin) / 1000))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    eventually no_window_titled "^${MAIN_TITLE}\$" || fail "the program in $1 did not end"
}

# One start of each first: Wine sets up its services, each folder gets its Data.
start_ms "$stripped" >/dev/null
start_ms "$unstripped" >/dev/null
before=() after=()
for run in $(seq "$PAIRS"); do
    # Which goes first changes every pair, so that neither always finds the caches warmer.
    if ((run % 2)); then
        after+=("$(start_ms "$stripped")") before+=("$(start_ms "$unstripped")")
    else
        before+=("$(start_ms "$unstripped")") after+=("$(start_ms "$stripped")")
    fi
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
echo "size: stripped $(du -sk "$stripped" | cut -f1) kB, unstripped $(du -sk "$unstripped" | cut -f1) kB"
echo "start-up ms, stripped:   ${after[*]} (median $(median "${after[@]}"))"
echo "start-up ms, unstripped: ${before[*]} (median $(median "${before[@]}"))"
echo "ratio of the medians, stripped to unstripped: $(awk -v a="$(median "${after[@]}")" \
    -v b="$(median "${before[@]}")" 'BEGIN { printf "%.2f", a / b }')"

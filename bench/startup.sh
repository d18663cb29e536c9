#!/usr/bin/env bash
# Start-up of the real program against a bare Qt Widgets window with as many controls, paired run
# by run under a private Xvfb with openbox: the time from exec until the window is mapped (the
# seven fields are loaded before the program's event loop first runs) and the resident memory
# once the process has settled. Usage: bench/startup.sh [BUILD_DIR] [PAIRS]
set -euo pipefail
BENCH=$(cd "$(dirname "$0")" && pwd)
BUILD=$(readlink -f "${1:-$BENCH/../build}")
PAIRS=${2:-9}
source "$BENCH/../tests/e2e/harness.sh" "$BUILD/bin/quillo"

start_x
mkdir -p "$DATA"
cp "$QUILLO_BINARY" "$PROGRAM_FOLDER/quillo"
# Seven fields as a poster keeps them, in Windows-31J with CR LF.
printf '\x96\xbc\x96\xb3\x82\xb5\x82\xb3\x82\xf1\r\n' >"$DATA/1.txt" # 名無しさん
printf 'sage\r\n' >"$DATA/2.txt"
printf 'poster01\r\n' >"$DATA/3.txt"
printf 'secret\r\n' >"$DATA/4.txt"
printf 'example.jp/~poster/\r\n' >"$DATA/5.txt"
printf 'Re: \x8e\xbf\x96\xe2\r\n' >"$DATA/6.txt" # Re: 質問
for line in $(seq 20); do printf 'line %d of the comment\r\n' "$line"; done >"$DATA/7.txt"

probe() { "$BUILD/bench/quillo-mapprobe" "$@" || fail "no window from $*"; }
program=() bare=()
for run in $(seq "$PAIRS"); do
    # Which goes first changes every pair, so that neither always finds the caches warmer.
    if ((run % 2)); then
        program+=("$(cd "$PROGRAM_FOLDER" && probe ./quillo)")
        bare+=("$(probe "$BUILD/bench/quillo-bare-window")")
    else
        bare+=("$(probe "$BUILD/bench/quillo-bare-window")")
        program+=("$(cd "$PROGRAM_FOLDER" && probe ./quillo)")
    fi
done
[ -s "$DATA/1.txt" ] || fail "the program lost its fields"

echo "run: program ms kB | bare ms kB"
for i in "${!program[@]}"; do echo "  ${program[$i]} | ${bare[$i]}"; done
# The medians of the ratios of each pair.
for i in "${!program[@]}"; do echo "${program[$i]} ${bare[$i]}"; done | awk -v n="$PAIRS" '
    function median(v, count,   i, j, t) {
        for (i = 2; i <= count; i++)
            for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
        return (count % 2) ? v[(count + 1) / 2] : (v[count / 2] + v[count / 2 + 1]) / 2
    }
    { time[NR] = $1 / $3; memory[NR] = $2 / $4; pm[NR] = $1; bm[NR] = $3; pr[NR] = $2; br[NR] = $4 }
    END {
        t = median(time, NR); m = median(memory, NR)
        printf "start-up to the mapped window: %.1f ms against %.1f ms: %.2fx (at most 1.1x) %s\n",
            median(pm, NR), median(bm, NR), t, t <= 1.1 ? "ok" : "MISS"
        printf "resident memory once settled: %d kB against %d kB: %.2fx (at most 1.1x) %s\n",
            median(pr, NR), median(br, NR), m, m <= 1.1 ? "ok" : "MISS"
        printf "medians of %d paired runs (the ratios: of each pair)\n", n
    }'

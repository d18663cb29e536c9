#!/usr/bin/env bash
# Runs every fuzz target for SECONDS seconds each (default 60), one after another, building the
# clang build with the sanitizers first if needed: ./fuzz.sh SECONDS [--runs=N] [TARGET ...]
# With --runs, a target stops as soon as it has run N inputs, if that comes before SECONDS.
# New inputs collect in build-sanitize/fuzz/corpus/<target>; an input that makes a target fail
# is left as build-sanitize/fuzz/<target>-crash-*, to be added to fuzz/corpus/<target>.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

seconds=${1:-60}
shift || true
runs=-1
if [[ ${1:-} == --runs=* ]]; then
    runs=${1#--runs=}
    shift
fi
ensure_packages "${BUILD_PACKAGES[@]}" "${SANITIZE_PACKAGES[@]}"
build_sanitized
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(decode roundtrip linereader slotfile quotemark tags preview)
for target in "${targets[@]}"; do
    name=fuzz_${target#fuzz_}
    echo "$name: $seconds s"
    log=$SANITIZE_DIR/fuzz/$name.log
    if ! "$SANITIZE_DIR/fuzz/$name" -max_total_time="$seconds" -runs="$runs" -print_final_stats=1 \
        -artifact_prefix="$SANITIZE_DIR/fuzz/$name-" "$SANITIZE_DIR/fuzz/corpus/$name" \
        "fuzz/corpus/$name" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "$name failed; its log: $log" >&2
        exit 1
    fi
    grep '^stat::number_of_executed_units' "$log"
done

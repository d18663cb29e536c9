#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest: the program's build first,
# then the sanitizer build, then the Windows build (cross-built, its tests under Wine). Every half
# always runs; the script fails at the end if any did.
set -euo pipefail
cd "$(dirname "$0")"
# The tests type and read Japanese window titles and texts: a UTF-8 locale that every Debian and
# Ubuntu has, whatever the caller's.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
source scripts/setup.sh

source scripts/windows-qt.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${SANITIZE_PACKAGES[@]}" \
    "${WINDOWS_PACKAGES[@]}"
failed=()
build
stage "Running the tests of the $BUILD_DIR build ..."
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel 2 || failed+=("$BUILD_DIR")
build_sanitized
# The headless tests under the sanitizers, and every fuzz target for a while: two at a time.
stage "Running the tests of the $SANITIZE_DIR build ..."
ctest --test-dir "$SANITIZE_DIR" --output-on-failure --parallel 2 || failed+=("$SANITIZE_DIR")

# The Windows build and its tests under Wine, when its tools and its Qt are at hand.
if have_packages "${WINDOWS_PACKAGES[@]}" && ensure_windows_qt; then
    build_windows
    stage "Running the tests of the $WINDOWS_DIR build under Wine ..."
    ctest --test-dir "$WINDOWS_DIR" -L windows --output-on-failure --parallel 2 \
        || failed+=("$WINDOWS_DIR")
else
    echo "The Windows build's tools or its Qt are missing: its tests did not run." >&2
    failed+=("$WINDOWS_DIR")
fi

if [ ${#failed[@]} -gt 0 ]; then
    echo "Tests failed in: ${failed[*]} (see above)." >&2
    exit 1
fi
stage "Every test passed in $BUILD_DIR, $SANITIZE_DIR and $WINDOWS_DIR."

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest: the program's build first,
# then the sanitizer build. Both halves always run; the script fails at the end if either did.
set -euo pipefail
cd "$(dirname "$0")"
# The tests type and read Japanese window titles and texts: a UTF-8 locale that every Debian and
# Ubuntu has, whatever the caller's.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
source scripts/setup.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${SANITIZE_PACKAGES[@]}"
failed=()
build
echo "Running the tests of the $BUILD_DIR build ..."
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel 2 || failed+=("$BUILD_DIR")
build_sanitized
# The headless tests under the sanitizers, and every fuzz target for a while: two at a time.
echo "Running the tests of the $SANITIZE_DIR build ..."
ctest --test-dir "$SANITIZE_DIR" --output-on-failure --parallel 2 || failed+=("$SANITIZE_DIR")

if [ ${#failed[@]} -gt 0 ]; then
    echo "Tests failed in: ${failed[*]} (see above)." >&2
    exit 1
fi
echo "Every test passed in $BUILD_DIR and $SANITIZE_DIR."

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${SANITIZE_PACKAGES[@]}"
build
build_sanitized
ctest --test-dir "$BUILD_DIR" --output-on-failure
# The headless tests under the sanitizers, and every fuzz target for a while: two at a time.
ctest --test-dir "$SANITIZE_DIR" --output-on-failure --parallel 2

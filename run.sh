#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quillo.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

ensure_packages "${BUILD_PACKAGES[@]}"
build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Quillo is a desktop program: start it from a graphical session." >&2
    exit 1
fi
exec "$BUILD_DIR/bin/quillo"

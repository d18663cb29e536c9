#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package quillo_VERSION_ARCH.deb here.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build
rm -rf "$BUILD_DIR/package"
quietly cpack --config "$BUILD_DIR/CPackConfig.cmake" -G DEB -B "$BUILD_DIR/package"
mv "$BUILD_DIR"/package/quillo_*.deb .
ls quillo_*.deb

#!/usr/bin/env bash
# Installs what is missing, builds the release, and makes the Debian package quillo_VERSION_ARCH.deb
# here.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build_preset release
rm -rf build-release/package
echo "Packaging ..."
quietly cpack --config build-release/CPackConfig.cmake -G DEB -B build-release/package
mv build-release/package/quillo_*.deb .
ls quillo_*.deb

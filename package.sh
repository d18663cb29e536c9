#!/usr/bin/env bash
# Installs what is missing, builds the release, and makes the Debian package quillo_VERSION_ARCH.deb
# here. `./package.sh windows` makes the Windows packages instead, from the cross-built release:
# quillo-VERSION-windows-x86_64.zip and quillo-VERSION-windows-x86_64-setup.exe.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

if [ "${1-}" = windows ]; then
    ensure_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
    source scripts/windows-qt.sh
    ensure_windows_qt
    build_preset windows-release
    rm -rf build-windows-release/package
    stage "Packaging for Windows ..."
    quietly cpack --config build-windows-release/CPackConfig.cmake -B build-windows-release/package
    mv build-windows-release/package/quillo-*-windows-x86_64.zip \
       build-windows-release/package/quillo-*-windows-x86_64-setup.exe .
    ls quillo-*-windows-x86_64.zip quillo-*-windows-x86_64-setup.exe
    exit 0
fi

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build_preset release
rm -rf build-release/package
stage "Packaging ..."
quietly cpack --config build-release/CPackConfig.cmake -G DEB -B build-release/package
mv build-release/package/quillo_*.deb .
ls quillo_*.deb

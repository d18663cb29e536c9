#!/usr/bin/env bash
# Installs what is missing, builds the release, and makes the Debian package quillo_VERSION_ARCH.deb
# here. `./package.sh windows` makes the Windows packages instead, from the cross-built release:
# quillo-VERSION-windows-x86_64.zip, quillo-VERSION-windows-x86_64-setup.exe and the debug files
# of both, quillo-VERSION-windows-x86_64-debug.zip; signed when QUILLO_SIGN_PKCS12 names a
# certificate (packaging/windows-sign.sh).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

if [ "${1-}" = windows ]; then
    ensure_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
    if [ -z "${QUILLO_SIGN_PKCS12-}" ]; then
        echo "Signing: signed nothing (QUILLO_SIGN_PKCS12 names no certificate)"
    elif [ ! -r "$QUILLO_SIGN_PKCS12" ]; then
        echo "Signing: cannot read the certificate $QUILLO_SIGN_PKCS12" >&2
        exit 1
    else
        echo "Signing: quillo.exe, the setup program and its uninstaller, with $QUILLO_SIGN_PKCS12"
    fi
    source scripts/windows-qt.sh
    ensure_windows_qt
    build_preset windows-release
    rm -rf build-windows-release/package
    stage "Packaging for Windows ..."
    quietly cpack --config build-windows-release/CPackConfig.cmake -B build-windows-release/package
    quietly cmake --build build-windows-release --target windows_debug_zip
    mv build-windows-release/package/quillo-*-windows-x86_64.zip \
       build-windows-release/package/quillo-*-windows-x86_64-setup.exe \
       build-windows-release/packaging/quillo-*-windows-x86_64-debug.zip .
    ls quillo-*-windows-x86_64.zip quillo-*-windows-x86_64-debug.zip \
       quillo-*-windows-x86_64-setup.exe
    exit 0
fi

ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build_preset release
rm -rf build-release/package
stage "Packaging ..."
quietly cpack --config build-release/CPackConfig.cmake -G DEB -B build-release/package
mv build-release/package/quillo_*.deb .
ls quillo_*.deb

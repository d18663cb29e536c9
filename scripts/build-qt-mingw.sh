#!/usr/bin/env bash
# Builds qtbase 6.4.2 for 64-bit Windows (MinGW-w64, posix threads) from Debian 12's own Qt source,
# with Debian's host Qt 6.4.2 as the host tools, and packs it as qt6-mingw-6.4.2-x86_64.tar.xz in
# WORKDIR. About 20 minutes on two cores. Needs root for apt-get.
# usage: build-qt-mingw.sh [WORKDIR]   (default /var/tmp/quillo-qt-mingw)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-/var/tmp/quillo-qt-mingw}
mkdir -p "$work" && cd "$work"

# apt-get source needs a deb-src entry for bookworm's main section, made from the machine's own.
source "$repo/scripts/deb-src.sh"
if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    write_deb_src bookworm main
    apt-get update -qq
fi
apt-get install -y -qq --no-install-recommends g++-mingw-w64-x86-64-posix mingw-w64-tools \
    ninja-build cmake qt6-base-dev qt6-base-dev-tools dpkg-dev xz-utils >/dev/null
if [ ! -d qtbase-everywhere-src-6.4.2 ]; then
    apt-get source --download-only qt6-base >/dev/null
    tar -xJf qt6-base_6.4.2+dfsg.orig.tar.xz
    # Debian's upstream fixes and security patches (its packaging-only patches are left out)
    mkdir -p debian-qt && tar -xJf qt6-base_6.4.2+dfsg-*.debian.tar.xz -C debian-qt
    for p in cve-2023-32762.diff cve-2023-32763.diff cve-2023-33285.diff \
             upstream_Add-HPPA-detection.patch upstream_Add-M68k-detection.patch cve-2023-24607.patch; do
        patch -d qtbase-everywhere-src-6.4.2 -p1 -s <"debian-qt/debian/patches/$p"
    done
fi

# tabletevent OFF: the dfsg source drops src/3rdparty/wintab, which tablet support includes.
# direct2d ON: Qt builds the DirectWrite font engine only with it, and PrintSupport links to it;
# direct2d1_1 OFF skips the direct2d platform plugin. ssl ON with schannel ON: TLS through Windows'
# own Schannel (plugins/tls/qschannelbackend.dll), no OpenSSL to ship.
cmake -G Ninja -S qtbase-everywhere-src-6.4.2 -B build \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$work/qt6-mingw" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
  -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF \
  -DFEATURE_ssl=ON -DFEATURE_openssl=OFF -DFEATURE_schannel=ON -DFEATURE_icu=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
  -DFEATURE_system_doubleconversion=OFF
cmake --build build --parallel "$(nproc)"
# Stripped: the program's packages strip what they take, and the cache is smaller without.
cmake --install build --strip
tar -C "$work" -cJf "$work/qt6-mingw-6.4.2-x86_64.tar.xz" qt6-mingw
echo "$work/qt6-mingw-6.4.2-x86_64.tar.xz"

#!/usr/bin/env bash
# The cross-built Qt for 64-bit Windows that the `windows` presets build against, in a cache
# folder (QUILLO_QT_MINGW, default /var/cache/quillo/qt6-mingw). Sourced by test.sh and package.sh,
# or run on its own. In turn: the Qt already unpacked there; else the ready archive in
# shared/qt-mingw/ beside the repository, unpacked there; else qtbase built from Debian's source by
# scripts/build-qt-mingw.sh (about 20 minutes on two cores) and unpacked there. The cache
# remembers the archive it was unpacked from by its checksum, and is unpacked again when the
# archive changes; without an archive, a cache without TLS (from an older archive) is built anew.
# Says one line per stage; running it again changes nothing.

: "${QUILLO_QT_MINGW:=/var/cache/quillo/qt6-mingw}"
export QUILLO_QT_MINGW

ensure_windows_qt() {
    local repo archive_name=qt6-mingw-6.4.2-x86_64.tar.xz archive work
    repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    local stamp=$QUILLO_QT_MINGW/.unpacked-from ready=
    [ -f "$QUILLO_QT_MINGW/lib/cmake/Qt6/qt.toolchain.cmake" ] && ready=yes
    archive="$(dirname "$repo")/shared/qt-mingw/$archive_name"
    if [ -f "$archive" ]; then
        if [ -n "$ready" ] && [ "$(cat "$stamp" 2>/dev/null)" = "$(sha256sum <"$archive")" ]; then
            echo "Windows Qt: using $QUILLO_QT_MINGW"
            return 0
        fi
    elif [ -n "$ready" ] && [ -f "$QUILLO_QT_MINGW/plugins/tls/qschannelbackend.dll" ]; then
        echo "Windows Qt: using $QUILLO_QT_MINGW"
        return 0
    fi
    if [ ! -f "$archive" ]; then
        work=${QUILLO_QT_BUILD_DIR:-/var/tmp/quillo-qt-mingw}
        echo "Windows Qt: no $archive; building qtbase for Windows in $work (about 20 minutes) ..."
        "$repo/scripts/build-qt-mingw.sh" "$work" >"$work.log" 2>&1 || {
            tail -n 40 "$work.log" >&2
            echo "Windows Qt: the build failed (log: $work.log)" >&2
            return 1
        }
        archive="$work/$archive_name"
    fi
    echo "Windows Qt: unpacking $archive into $QUILLO_QT_MINGW ..."
    # Unpacked beside the cache folder, then moved in one rename: never half a Qt in the cache.
    local parent tmp
    parent=$(dirname "$QUILLO_QT_MINGW")
    mkdir -p "$parent"
    tmp=$(mktemp -d "$parent/.qt6-mingw.XXXXXX")
    tar -C "$tmp" -xJf "$archive" || { rm -rf "$tmp"; return 1; }
    sha256sum <"$archive" >"$tmp/qt6-mingw/.unpacked-from"
    rm -rf "$QUILLO_QT_MINGW"
    mv "$tmp/qt6-mingw" "$QUILLO_QT_MINGW"
    rmdir "$tmp"
    echo "Windows Qt: ready in $QUILLO_QT_MINGW"
}

# Run on its own: make the cache ready.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    ensure_windows_qt
fi

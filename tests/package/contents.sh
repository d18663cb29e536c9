#!/usr/bin/env bash
# The Debian package holds what an installation needs, depends on what the program needs, and
# passes the checks of Debian (lintian) and of the desktop (its entry, metadata and manual page).
# Arguments: the folder with the package, the version, the desktop entry's id.
set -euo pipefail

PACKAGE_FOLDER=$1 VERSION=$2 APP_ID=$3
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs a checker that must report nothing at all, and shows what it said when it did.
expect_silent() {
    local said
    said=$("$@" 2>&1) || fail "$* failed: $said"
    [ -z "$said" ] || fail "$* reported: $said"
}

deb=$(echo "$PACKAGE_FOLDER"/quillo_"$VERSION"_*.deb)
[ -f "$deb" ] || fail "no package quillo_${VERSION}_*.deb in $PACKAGE_FOLDER"
[ "$(basename "$deb")" = "quillo_${VERSION}_$(dpkg --print-architecture).deb" ] \
    || fail "the package is named $(basename "$deb")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = quillo ] || fail "package name $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "version $(field Version)"
[ "$(field Section)" = utils ] || fail "section $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
depends=$(field Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6network6 \
    ca-certificates 'fonts-ipafont-gothic | fonts-noto-cjk'; do
    grep -qF "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

# Exactly the installation's files, nothing from the build or the tests.
expected=(
    ./usr/bin/quillo
    "./usr/share/applications/$APP_ID.desktop"
    ./usr/share/doc/quillo/changelog.gz
    ./usr/share/doc/quillo/copyright
)
for size in 16 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x$size/apps/$APP_ID.png")
done
expected+=(
    "./usr/share/icons/hicolor/scalable/apps/$APP_ID.svg"
    ./usr/share/man/man1/quillo.1.gz
    "./usr/share/metainfo/$APP_ID.metainfo.xml"
)
files=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
[ "$files" = "$(printf '%s\n' "${expected[@]}" | sort)" ] || fail "the package holds: $files"

dpkg-deb --extract "$deb" "$WORK/root"
share=$WORK/root/usr/share
entry=$share/applications/$APP_ID.desktop
metainfo=$share/metainfo/$APP_ID.metainfo.xml

expect_silent desktop-file-validate "$entry"
validation=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) \
    || fail "appstreamcli: $validation"
! grep -q '^[EWIP]:' <<<"$validation" || fail "appstreamcli reported: $validation"
man_warnings=$(MANWIDTH=80 man -l "$share/man/man1/quillo.1.gz" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || fail "man: $man_warnings"

# The entry starts the installed program by name and names the icon and the window class
# the program uses; the metadata names the entry; every icon is of the size its folder says.
entry_value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(entry_value Exec)" = quillo ] || fail "Exec=$(entry_value Exec)"
[ "$(entry_value Icon)" = "$APP_ID" ] || fail "Icon=$(entry_value Icon)"
grep -qx "  <id>$APP_ID</id>" "$metainfo" || fail "the metadata's id is not $APP_ID"
grep -qx "  <launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" \
    || fail "the metadata does not launch $APP_ID.desktop"
for png in "$share"/icons/hicolor/*x*/apps/"$APP_ID".png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    [ "$(identify -format '%wx%h' "$png")" = "$folder" ] || fail "$png is not $folder"
done

# The newest entries of the changelog and of the metadata's releases are this version.
zcat "$share/doc/quillo/changelog.gz" | head -n1 | grep -qF "quillo ($VERSION)" \
    || fail "the changelog starts with: $(zcat "$share/doc/quillo/changelog.gz" | head -n1)"
grep -m1 '<release ' "$metainfo" | grep -qF "version=\"$VERSION\"" \
    || fail "the newest release in the metadata is not $VERSION"

# CI runs as root, which lintian only advises against.
lintian_report=$(lintian --profile debian --fail-on error "$deb" 2>&1) \
    || fail "lintian: $lintian_report"
lintian_report=$(grep -v 'running with root privileges' <<<"$lintian_report" || true)
[ -z "$lintian_report" ] || echo "lintian (no errors): $lintian_report"
echo "package contents: passed"

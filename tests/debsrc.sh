#!/usr/bin/env bash
# The deb-src entries the Windows Qt's build script adds are the machine's own deb entries for
# bookworm main, whatever their addresses: on a machine whose only sources are a local mirror (one
# one-line entry with its options, one deb822 stanza with a comment and a key inline, and entries
# of other suites and sections that must not be copied), apt takes them and would fetch the
# sources from the mirror and nowhere else.
set -euo pipefail
source "$(dirname "$0")/../scripts/deb-src.sh"
apt=$(mktemp -d)
trap 'rm -rf "$apt"' EXIT
mkdir -p "$apt/sources.list.d" "$apt/lists/partial"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cat >"$apt/sources.list" <<'LIST'
# the mirror of the office
deb [arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://mirror.lan:3142/debian bookworm main contrib
deb http://mirror.lan:3142/debian bookworm-updates main
deb http://mirror.lan:3142/other bookworm contrib
LIST
cat >"$apt/sources.list.d/mirror.sources" <<'SOURCES'
Types: deb
# the same mirror, through the proxy
URIs: https://proxy.lan/debian
Suites: bookworm bookworm-updates
Components: main non-free-firmware
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL0BUBEADmW5NlOZ==
 -----END PGP PUBLIC KEY BLOCK-----

Types: deb
URIs: https://proxy.lan/debian-security
Suites: bookworm-security
Components: main

Types: deb
URIs: https://off.lan/debian
Suites: bookworm
Components: main
Enabled: no
SOURCES

write_deb_src bookworm main "$apt"
expected_list='deb-src [arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://mirror.lan:3142/debian bookworm main'
[ "$(cat "$apt/sources.list.d/quillo-deb-src.list")" = "$expected_list" ] \
    || fail "the one-line entry is [$(cat "$apt/sources.list.d/quillo-deb-src.list")]"
expected_sources='Types: deb-src
URIs: https://proxy.lan/debian
Suites: bookworm
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mQINBGPL0BUBEADmW5NlOZ==
 -----END PGP PUBLIC KEY BLOCK-----'
[ "$(cat "$apt/sources.list.d/quillo-deb-src.sources")" = "$expected_sources" ] \
    || fail "the stanza is [$(cat "$apt/sources.list.d/quillo-deb-src.sources")]"

# apt reads them all (a conflicting key would stop it here) and fetches the sources' lists from
# the two mirrors only.
uris=$(apt-get -o Dir::Etc="$apt" -o Dir::Etc::SourceList="$apt/sources.list" \
    -o Dir::Etc::SourceParts="$apt/sources.list.d" -o Dir::State::Lists="$apt/lists" \
    update --print-uris 2>&1) || fail "apt refused the entries: $uris"
sources=$(grep -o "'[^']*/source/Sources[^']*'" <<<"$uris" | sort)
[ "$sources" = "'http://mirror.lan:3142/debian/dists/bookworm/main/source/Sources.xz'
'https://proxy.lan/debian/dists/bookworm/main/source/Sources.xz'" ] \
    || fail "apt would fetch the sources from [$sources]"

# A machine with no entry for the suite says so.
rm "$apt"/sources.list.d/* "$apt/sources.list"
touch "$apt/sources.list"
! write_deb_src bookworm main "$apt" 2>"$apt/said" || fail "no entry, and nothing said"
grep -q 'No apt entry of this machine names bookworm main' "$apt/said" || fail "it said $(cat "$apt/said")"
echo "debsrc: passed"

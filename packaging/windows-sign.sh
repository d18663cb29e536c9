#!/usr/bin/env bash
# Signs a Windows program in place with osslsigncode when the environment names a PKCS#12 file,
# QUILLO_SIGN_PKCS12, with its password in QUILLO_SIGN_PASSWORD (and, for a release, a
# time-stamping server in QUILLO_SIGN_TIMESTAMP_URL, so that the signature outlives the
# certificate). Without a PKCS#12 file it leaves the file as it is. The install runs it on
# quillo.exe, makensis on the setup program and its uninstaller.
# usage: windows-sign.sh FILE
set -euo pipefail
file=$1
[ -n "${QUILLO_SIGN_PKCS12-}" ] || exit 0
timestamp=()
[ -z "${QUILLO_SIGN_TIMESTAMP_URL-}" ] || timestamp=(-ts "$QUILLO_SIGN_TIMESTAMP_URL")
# The password goes through a pipe, never on a command line that other users may read.
osslsigncode sign -pkcs12 "$QUILLO_SIGN_PKCS12" -readpass <(printf '%s' "${QUILLO_SIGN_PASSWORD-}") \
    -h sha256 -n Quillo "${timestamp[@]}" -in "$file" -out "$file.signed" >/dev/null
mv -f "$file.signed" "$file"

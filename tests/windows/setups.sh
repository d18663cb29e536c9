#!/usr/bin/env bash
# Makes the setup programs the installer test runs, signed with a throwaway self-signed
# certificate as a maintainer's certificate signs a release: this version's in FOLDER/this, and
# the same with the version raised to NEXT_VERSION in FOLDER/next, to upgrade to.
# usage: setups.sh FOLDER NEXT_VERSION, in the build folder
set -euo pipefail
folder=$1 next_version=$2
rm -rf "$folder"
mkdir -p "$folder"
openssl req -x509 -newkey rsa:2048 -nodes -subj "/CN=Quillo test" -days 2 \
    -keyout "$folder/key.pem" -out "$folder/certificate.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$folder/key.pem" -in "$folder/certificate.pem" -passout pass:test \
    -out "$folder/certificate.p12"
export QUILLO_SIGN_PKCS12=$folder/certificate.p12 QUILLO_SIGN_PASSWORD=test
cpack -G NSIS -B "$folder/this"
cpack -G NSIS -B "$folder/next" -R "$next_version"

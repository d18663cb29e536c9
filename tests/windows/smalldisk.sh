#!/usr/bin/env bash
# A small file system of its own for the Windows tests' full-disk cases, which see it through
# Wine's drive Z:. Only root may mount one: for anyone else the folder is not made, and the test
# skips those cases (it never fills the disk the folder would otherwise lie on).
# usage: smalldisk.sh --mount FOLDER | --unmount FOLDER
set -euo pipefail
folder=${2:?usage: smalldisk.sh --mount FOLDER | --unmount FOLDER}
umount "$folder" 2>/dev/null || true
rm -rf "$folder"
if [ "$1" = --mount ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Not root: no small file system, the full-disk cases are skipped."
        exit 0
    fi
    mkdir -p "$folder"
    mount -t tmpfs -o size=3m quillo-small "$folder" || { rmdir "$folder"; exit 1; }
fi

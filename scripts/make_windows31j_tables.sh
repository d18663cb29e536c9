#!/usr/bin/env bash
# Writes src/text/windows31jtables.cpp, the program's own Windows-31J tables, from glibc's iconv
# converter CP932: the program then needs neither ICU nor iconv to read and write the code page.
# Run it again only to take a newer glibc's tables; the file it writes is checked in.
set -euo pipefail
scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
target=$(dirname "$scripts")/src/text/windows31jtables.cpp

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O1 -Wall -Wextra -Wpedantic -o "$work/make_tables" \
    "$scripts/make_windows31j_tables.cpp"
# The best fits it leaves out are listed in the log, for whoever wonders where a character went.
"$work/make_tables" >"$work/windows31jtables.cpp" 2>"$work/log" || {
    cat "$work/log" >&2
    exit 1
}
tail -n 1 "$work/log"
mv "$work/windows31jtables.cpp" "$target"
echo "Wrote $target"

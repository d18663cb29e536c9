#!/usr/bin/env bash
# Fails on every include of the program's sources into a folder that the including folder's
# library does not use, as the build's USES lists say (written by CMake to layers.txt, a line a
# library: "store: text os widgets cliptools display"), naming the file and line. A folder that is
# no library's is reported too, so that it gets one.
set -uo pipefail
src=${1:?usage: check_layers.sh SOURCE_FOLDER LAYERS_FILE}
layers=${2:?usage: check_layers.sh SOURCE_FOLDER LAYERS_FILE}

declare -A uses
while IFS=: read -r name used; do
    [ -n "$name" ] && uses[$name]=" $name $used "
done <"$layers"

faults=0
while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    text=${rest#*:}
    relative=${file#"$src"/}
    from=${relative%%/*}
    to=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$text")
    if [ -z "${uses[$from]:-}" ]; then
        echo "$relative:$line: the folder $from is no library's"
        faults=$((faults + 1))
    elif [[ ${uses[$from]} != *" $to "* ]]; then
        echo "$relative:$line: $from includes from $to, which it does not use: $text"
        faults=$((faults + 1))
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$src" \
    --include='*.h' --include='*.cpp')

if [ "$faults" -gt 0 ]; then
    echo "$faults include(s) into folders not used."
    exit 1
fi
echo "Every include stays within the folders its library uses."

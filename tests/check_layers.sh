#!/usr/bin/env bash
# Fails on every include that points up the layers of the program's sources: the platform at the
# bottom, the subsystems above it, the program itself (app) on top. A subsystem may use another's
# headers; a folder that is in no layer yet is reported too, so that it gets one.
set -uo pipefail
src=${1:?usage: check_layers.sh SOURCE_FOLDER}

layer_of() {
    case $1 in
    platform) echo 0 ;;
    store | cliptools | html | output | display | about) echo 1 ;;
    app) echo 2 ;;
    *) echo unknown ;;
    esac
}

faults=0
while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    text=${rest#*:}
    relative=${file#"$src"/}
    from=${relative%%/*}
    to=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$text")
    from_layer=$(layer_of "$from")
    to_layer=$(layer_of "$to")
    if [ "$from_layer" = unknown ]; then
        echo "$relative:$line: the folder $from is in no layer"
        faults=$((faults + 1))
    elif [ "$to_layer" = unknown ]; then
        echo "$relative:$line: includes from $to, which is in no layer"
        faults=$((faults + 1))
    elif [ "$to_layer" -gt "$from_layer" ]; then
        echo "$relative:$line: $from includes from $to, a layer above it: $text"
        faults=$((faults + 1))
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$src" \
    --include='*.h' --include='*.cpp')

if [ "$faults" -gt 0 ]; then
    echo "$faults include(s) point up the layers."
    exit 1
fi
echo "Every include points down or sideways."

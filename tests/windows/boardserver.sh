#!/usr/bin/env bash
# The board's server of the tests (tests/support/boardserver.py, plain HTTP on 127.0.0.1) for the
# Windows tests under Wine, which cannot start it themselves: started before them, its port
# written to PORT_FILE, and stopped after them (it also ends by itself after five minutes).
# usage: boardserver.sh --start|--stop PORT_FILE
set -euo pipefail
port_file=${2:?usage: boardserver.sh --start|--stop PORT_FILE}
server=$(dirname "$0")/../support/boardserver.py
if [ -f "$port_file.pid" ]; then
    kill -- -"$(cat "$port_file.pid")" 2>/dev/null || true
fi
rm -f "$port_file" "$port_file.pid"
[ "$1" = --start ] || exit 0
# A session of its own, so that one signal ends the server and what holds its input open.
setsid bash -c 'echo $$ >"$1.pid"; sleep 300 | python3 "$2" >"$1"' _ "$port_file" "$server" \
    </dev/null >/dev/null 2>&1 &
for _ in $(seq 300); do
    [ -s "$port_file" ] && exit 0
    sleep 0.1
done
echo "the board's server did not start" >&2
exit 1

#!/usr/bin/env bash
# valgrind's memcheck watches the real program start (the seven fields loaded from their files)
# and end with "End": no invalid access, no use of an undefined value and no leak from the
# program's own code. valgrind.supp holds what Qt, fontconfig and the X libraries do of their own.
source "$(dirname "$0")/harness.sh"

SUPPRESSIONS=$(cd "$(dirname "$0")" && pwd)/valgrind.supp
# Where memcheck reports; set MEMCHECK_LOG to keep the report.
LOG=${MEMCHECK_LOG:-$WORK/memcheck.log}
PATIENCE=1200

start_x
mkdir -p "$DATA"
for field in 1 2 3 4 5 6; do printf 'field %s\r\n' "$field" >"$DATA/$field.txt"; done
printf 'Comment \x93\xfa\x96\x7b\x8c\xea\r\nline 2\r\n' >"$DATA/7.txt"

# A child that libdbus forks to start a session bus is a copy of the program's memory at that
# moment, other threads' work half done: its end would be reported as leaks of the program's.
start_quillo valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --num-callers=40 --suppressions="$SUPPRESSIONS" \
    --gen-suppressions=all --child-silent-after-fork=yes --log-file="$LOG"
click_control "$MAIN_WINDOW" 8490 1770 855 330       # End
wait_for_exit

grep -q 'ERROR SUMMARY: 0 errors' "$LOG" || fail "memcheck gave no summary: $(cat "$LOG")"
! grep -q 'ERROR SUMMARY: [1-9]' "$LOG" || fail "memcheck found errors: $(cat "$LOG")"
echo "e2e valgrind: passed"

#!/usr/bin/env bash
# Without a display the program says so in one line and exits with a failure status.
set -uo pipefail
program=$1
work=$2
mkdir -p "$work"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$work/out" 2>"$work/err"
status=$?
[ "$status" -ne 0 ] || { echo "FAIL: exit status 0" >&2; exit 1; }
[ "$status" -lt 128 ] || { echo "FAIL: crashed with status $status" >&2; exit 1; }
[ "$(wc -l <"$work/err")" -eq 1 ] || { echo "FAIL: expected one line on stderr:" >&2; cat "$work/err" >&2; exit 1; }
grep -q "no display" "$work/err" || { echo "FAIL: unexpected message" >&2; cat "$work/err" >&2; exit 1; }
echo "no display: one line, status $status"

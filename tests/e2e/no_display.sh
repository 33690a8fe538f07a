#!/usr/bin/env bash
# Without a display, or with one named that cannot be reached, the program says so in one line and
# exits with a failure status.
set -uo pipefail
program=$1
work=$2
mkdir -p "$work"
check() {
  local what=$1
  shift
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" >"$work/out" 2>"$work/err"
  local status=$?
  [ "$status" -ne 0 ] || { echo "FAIL: $what: exit status 0" >&2; exit 1; }
  [ "$status" -lt 128 ] || { echo "FAIL: $what: crashed with status $status" >&2; exit 1; }
  [ "$(wc -l <"$work/err")" -eq 1 ] || { echo "FAIL: $what: expected one line on stderr:" >&2; cat "$work/err" >&2; exit 1; }
  grep -q "no display" "$work/err" || { echo "FAIL: $what: unexpected message" >&2; cat "$work/err" >&2; exit 1; }
  echo "$what: one line, status $status"
}
check "no display" -u DISPLAY
# A display number that nothing serves.
n=$(seq 150 199 | while read -r d; do [ -e "/tmp/.X11-unix/X$d" ] || { echo "$d"; break; }; done)
check "an unreachable display" DISPLAY=":$n"

#!/usr/bin/env bash
# Compares the program's start-up with a bare frameless Qt window of the same size: the time to the
# first window on screen and the peak resident memory, as medians over several runs on a private
# Xvfb display. Reports against the goals; it does not fail for missing them.
#
#     bash scripts/startup-benchmark.sh [RUNS]      (RUNS of each, default 10; the first is a warm-up)
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-${STARTUP_RUNS:-10}}"
if ! [[ "$runs" =~ ^[0-9]+$ ]] || [ "$runs" -lt 2 ]; then
  echo "startup-benchmark: RUNS must be a number of at least 2 (the first run is discarded)" >&2
  exit 2
fi
build="${STARTUP_BUILD_DIR:-build-startup}"

bash scripts/setup.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMITRA_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target lumitra-dictionary bare_window startup_probe

program="$build/app/lumitra-dictionary"
bare="$build/benchmarks/bare_window"
probe="$build/benchmarks/startup_probe"

# A display of our own, from :97 up, away from the numbers other sessions usually take. Xvfb says
# on the pipe once it listens; it closes the pipe unsaid if the number was taken after all.
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

display=""
for ((n = 97; n < 160; n++)); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  rm -f "$work/displayfd"
  mkfifo "$work/displayfd"
  Xvfb ":$n" -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$work/displayfd" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  if read -r -t 10 display <"$work/displayfd" && [ -n "$display" ]; then
    break
  fi
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
  display=""
done
if [ -z "$display" ]; then
  echo "startup-benchmark: could not start Xvfb on any display from :97 to :159:" >&2
  cat "$work/xvfb.log" >&2 2>/dev/null || true
  exit 1
fi
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
# Both programs get the same quiet, private run-time folder (Qt warns without one).
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
echo "Xvfb on display $DISPLAY; $runs runs of each, the first of each discarded"

# One run: "ms KiB", appended to the named list unless it is the warm-up.
measure() {
  local list="$1" index="$2" line
  shift 2
  if ! line="$("$probe" --verbose -- "$@" 2>>"$work/probe.log")"; then
    echo "startup-benchmark: the probe failed on $1:" >&2
    tail -n 20 "$work/probe.log" >&2
    exit 1
  fi
  printf '  %-20s run %2d: %8s ms %8s KiB%s\n' "$(basename "$1")" "$index" ${line} \
    "$([ "$index" -eq 1 ] && echo '  (warm-up)')"
  [ "$index" -eq 1 ] || echo "$line" >>"$work/$list"
}

for ((i = 1; i <= runs; i++)); do
  measure program "$i" "$program"
  measure bare "$i" "$bare"
done

# Median of one column of a list.
median() {
  cut -d' ' -f"$2" "$work/$1" | sort -g | awk '
    { v[NR] = $1 }
    END { if (NR % 2) printf "%.1f", v[(NR + 1) / 2]; else printf "%.1f", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

program_ms="$(median program 1)"
program_kib="$(median program 2)"
bare_ms="$(median bare 1)"
bare_kib="$(median bare 2)"

echo
echo "Window sizes seen:"
sed -n 's/^startup_probe: \([^:]*\): window [^ ]* \([0-9]*x[0-9]*\).*/  \1 \2/p' "$work/probe.log" |
  sed 's|.*/||' | sort | uniq -c | sed 's/^ */  /'
echo
awk -v pm="$program_ms" -v pk="$program_kib" -v bm="$bare_ms" -v bk="$bare_kib" -v n="$((runs - 1))" '
  function verdict(ratio, goal) { return ratio <= goal ? "meets the goal" : "misses the goal" }
  BEGIN {
    printf "Medians of %d runs each        first window (ms)   peak memory (KiB)\n", n
    printf "  lumitra-dictionary           %17.1f   %17.0f\n", pm, pk
    printf "  bare frameless window        %17.1f   %17.0f\n", bm, bk
    tr = pm / bm; mr = pk / bk
    printf "\n"
    printf "  time   program / bare = %.2fx   goal within 1.30x: %s\n", tr, verdict(tr, 1.3)
    printf "  memory program / bare = %.2fx   goal within 1.50x: %s\n", mr, verdict(mr, 1.5)
  }'

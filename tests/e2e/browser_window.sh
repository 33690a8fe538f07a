#!/usr/bin/env bash
# The real program on its own X display: the browser window opens centred and cut to its outline,
# a dictionary button shows its panel, and typing into the search box selects and shows an entry.
set -euo pipefail
program=$1
work=$2
mkdir -p "$work"
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh" >&2; exit 1; }
done

display=""
for n in $(seq 70 120); do
  if [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free display" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$program" >"$work/program.log" 2>&1 &
app=$!
window=""
for _ in $(seq 100); do
  for w in $(xdotool search --onlyvisible --name "Lumitra Abbreviation Dictionary" 2>/dev/null); do
    geometry=$(xdotool getwindowgeometry --shell "$w")
    if grep -q "WIDTH=667" <<<"$geometry"; then window=$w; break 2; fi
  done
  sleep 0.1
done
[ -n "$window" ] || { echo "the browser window did not open" >&2; cat "$work/program.log" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 0.5

# Colour of a screen pixel as RRGGBB.
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 -format '%[hex:p{0,0}]' info:
}
fail() { echo "FAIL: $*" >&2; import -window root "$work/failure.png"; exit 1; }

[ "$X" -eq $(((1024 - 667) / 2)) ] || [ "$X" -eq $(((1024 - 667) / 2 + 1)) ] || fail "window not centred across: $X"
[ "$(pixel "$X" "$Y")" = "000000" ] || fail "the rounded corner is not cut away: $(pixel "$X" "$Y")"
[ "$(pixel $((X + 325)) $((Y + 300)))" != "000000" ] || fail "nothing drawn inside the window"

# Oxford's button, then its search box.
xdotool mousemove $((X + 585)) $((Y + 109)) click 1
sleep 0.5
frame=$(pixel $((X + 553)) $((Y + 120)))
[ "$frame" = "FF0000" ] || fail "the button's hover frame is not lit: $frame"
xdotool mousemove $((X + 96)) $((Y + 102)) click 1
sleep 0.3
xdotool type --delay 60 "TESO"
sleep 0.5
import -window root "$work/oxford.png"
# The abbreviation box shows the selected entry in black on white: some dark pixels in its middle.
dark=$(convert "$work/oxford.png" -crop "180x22+$((X + 306))+$((Y + 220))" -threshold 50% -format "%[fx:mean]" info:)
awk -v m="$dark" 'BEGIN { exit !(m < 0.99 && m > 0.5) }' || fail "no text in the abbreviation box ($dark)"

# A press on the bare background moves the window with the pointer.
xdotool mousemove $((X + 300)) $((Y + 30)) mousedown 1 mousemove $((X + 310)) $((Y + 40)) sleep 0.2 mousemove $((X + 330)) $((Y + 50)) sleep 0.2 mousemove $((X + 340)) $((Y + 60)) sleep 0.3 mouseup 1
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X" -ne $(((1024 - 667) / 2)) ] || fail "dragging the background did not move the window"
echo "browser window: centred, cut, selects and searches, drags"

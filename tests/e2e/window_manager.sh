#!/usr/bin/env bash
# The browser window under a window manager: it keeps no frame of the manager's, a drag of its
# background moves it, its minimise button shows the pressed look while held and then minimises it.
set -euo pipefail
program=$1
work=$2
source "$(dirname "$0")/lib/display.bash"
command -v openbox >/dev/null || { echo "missing openbox: run scripts/setup.sh" >&2; exit 1; }
start_display
openbox --config-file /dev/null >"$work/openbox.log" 2>&1 &
extra_pids+=($!)
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
open_browser

[ "$(pixel "$X" "$Y")" = "000000" ] || fail "the rounded corner is not cut away: $(pixel "$X" "$Y")"
startX=$X
startY=$Y

# The manager moves the window while the background is dragged.
xdotool mousemove $((X + 300)) $((Y + 30)) mousedown 1 sleep 0.2 mousemove $((X + 320)) $((Y + 45)) \
  sleep 0.2 mousemove $((X + 360)) $((Y + 70)) sleep 0.2 mousemove $((X + 380)) $((Y + 90)) sleep 0.3 mouseup 1
sleep 0.5
where
[ "$X" -ne "$startX" ] || [ "$Y" -ne "$startY" ] || fail "dragging the background did not move the window"

# The minimise picture: a one-pixel black border while the button is held, seen on its top edge
# next to the corner, where its oval hover frame leaves it uncovered.
edge=$(pixel $((X + 585)) $((Y + 8)))
[ "$edge" != "000000" ] || fail "the minimise picture has a border before it is pressed"
xdotool mousemove $((X + 595)) $((Y + 16)) sleep 0.3 mousedown 1
sleep 0.4
pressed=$(pixel $((X + 585)) $((Y + 8)))
xdotool mouseup 1
sleep 0.6
[ "$pressed" = "000000" ] || fail "the pressed minimise picture shows no border: $pressed"
xprop -id "$window" WM_STATE | grep -q Iconic || fail "the window is not minimised: $(xprop -id "$window" WM_STATE)"
kill -0 "$app" || fail "the program ended when minimised"
echo "window manager: moved from $startX,$startY to $X,$Y; pressed look; minimised"

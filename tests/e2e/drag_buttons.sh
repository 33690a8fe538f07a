#!/usr/bin/env bash
# A drag of the browser window's background with any mouse button: the window follows the pointer
# while that button is held and stays where it is once it is released, first with no window manager
# and then under openbox, whose move would otherwise go on until the next left click.
set -euo pipefail
program=$1
work=$2
source "$(dirname "$0")/lib/display.bash"
command -v openbox >/dev/null || { echo "missing openbox: run scripts/setup.sh" >&2; exit 1; }
start_display
open_browser

# Waits until the window stands still (two readings a little apart agree, within 3 s); sets X, Y.
settle() {
  local lastX lastY
  where
  for _ in $(seq 15); do
    lastX=$X lastY=$Y
    sleep 0.2
    where
    [ "$X" -ne "$lastX" ] || [ "$Y" -ne "$lastY" ] || return 0
  done
}

# Drags the background with a button by (dx, dy), then moves the pointer on with no button held.
drag_with() {
  local button=$1 dx=$2 dy=$3 what=$4
  where
  local startX=$X startY=$Y
  xdotool mousemove $((X + 300)) $((Y + 30)) sleep 0.2 mousedown "$button" sleep 0.2 \
    mousemove $((X + 300 + dx / 2)) $((Y + 30 + dy / 2)) sleep 0.2 mousemove $((X + 300 + dx)) $((Y + 30 + dy)) sleep 0.4
  where
  [ "$X" -ne "$startX" ] || [ "$Y" -ne "$startY" ] || fail "$what: button $button did not move the window"
  xdotool mouseup "$button"
  settle
  local heldX=$X heldY=$Y
  xdotool mousemove $((X + 300 - dx)) $((Y + 30 - dy)) sleep 0.2 mousemove $((X + 250 - dx)) $((Y + 80 - dy)) sleep 0.3
  settle
  [ "$X" -eq "$heldX" ] && [ "$Y" -eq "$heldY" ] ||
    fail "$what: after button $button was released the window went on from $heldX,$heldY to $X,$Y"
  echo "$what: button $button moved the window from $startX,$startY to $heldX,$heldY, and no further"
}

drag_with 3 60 40 "no window manager"
drag_with 2 -60 -40 "no window manager"

openbox --config-file /dev/null >"$work/openbox.log" 2>&1 &
extra_pids+=($!)
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
sleep 0.5
drag_with 3 60 40 "openbox"
drag_with 2 -60 -40 "openbox"
drag_with 1 60 40 "openbox"
kill -0 "$app" || fail "the program ended"

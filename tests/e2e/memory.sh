#!/usr/bin/env bash
# Memory over hand-overs: 40 round trips through the windows (start menu, browser window, help
# window, browser window, start menu) by their own buttons. Nothing of a window survives its
# unloading, so after a warm-up of 10 trips the next 30 leave the resident memory within 300 kB.
# Pages of the program's own files read in late (a code path taken for the first time) are not
# growth: the check counts the memory that the program makes, its own and what it shares with the
# display, and shows the whole resident size beside it.
set -euo pipefail
program=$1
work=$2
trips=40
warm_up=10
allowed_kb=300
source "$(dirname "$0")/lib/display.bash"
start_display
start_program
wait_window 521

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app/status"; }
made_kb() { awk '/^Rss(Anon|Shmem):/ { kb += $2 } END { print kb }' "/proc/$app/status"; }
# The resident memory's parts: the program's own (anonymous), mapped files and shared memory.
parts() { awk '/^Rss(Anon|File|Shmem):/ { printf "%s %s kB ", $1, $2 }' "/proc/$app/status"; }
# Waits for the shown window of this width and title; sets window, X and Y.
shown() {
  local w
  for _ in $(seq 250); do
    for w in $(xdotool search --onlyvisible --name "$2" 2>/dev/null); do
      if xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -q "WIDTH=$1\$"; then
        window=$w
        where
        return
      fi
    done
    sleep 0.02
  done
  fail "trip $trip: no $1-pixel-wide window"
}
press() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }

for trip in $(seq "$trips"); do
  press 180 103 # the start menu's Oxford entry
  shown 667 Lumitra
  press 585 505 # the browser window's help button
  shown 564 Help
  press 507 16 # the help window's back button
  shown 667 Lumitra
  press 59 434 # the browser window's back button
  shown 521 Lumitra
  if [ "$trip" -eq "$warm_up" ]; then
    after_warm_up=$(rss_kb)
    made_then=$(made_kb)
    parts_then=$(parts)
  fi
done
at_end=$(rss_kb)
made_now=$(made_kb)
grown=$((made_now - made_then))
echo "memory: $after_warm_up kB after $warm_up round trips ($parts_then)"
echo "memory: $at_end kB after $trips ($(parts)): $((at_end - after_warm_up)) kB more resident, $grown kB more made"
[ "$grown" -le "$allowed_kb" ] || fail "$((trips - warm_up)) round trips left $grown kB more memory made by the program"

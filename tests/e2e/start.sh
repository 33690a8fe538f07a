#!/usr/bin/env bash
# The program's start: the splash window, centred and cut to its outline, gives way to the start menu
# after 3.6 seconds, centred however far the splash window was dragged; a menu entry opens the browser
# window, whose help button opens the help window and back button returns to the start menu.
set -euo pipefail
program=$1
work=$2
source "$(dirname "$0")/lib/display.bash"
start_display
start_program
started=$(date +%s%N)
centred() {
  [ "$X" -ge $(((screen_width - $1) / 2 - 1)) ] && [ "$X" -le $(((screen_width - $1) / 2 + 1)) ]
}
centred 324 || fail "the splash window is not centred: $X"
[ "$(pixel "$X" "$Y")" = "000000" ] || fail "the splash window's corner is not cut away"
import -window root "$work/splash.png"

# Drag the splash window by its background, well away from the middle.
xdotool mousemove $((X + 40)) $((Y + 250)) mousedown 1 sleep 0.1 mousemove $((X + 20)) $((Y + 230)) \
  sleep 0.1 mousemove $((X - 80)) $((Y + 150)) sleep 0.1 mousemove $((X - 120)) $((Y + 120)) sleep 0.2 mouseup 1
sleep 0.3
where
if centred 324; then fail "dragging the splash window did not move it"; fi

wait_window 521
elapsed=$((($(date +%s%N) - started) / 1000000))
[ "$elapsed" -lt 8000 ] || fail "the start menu came $elapsed ms after the splash window"
centred 521 || fail "the start menu is not centred: $X"
for w in $(xdotool search --onlyvisible --name "Lumitra" 2>/dev/null); do
  if xdotool getwindowgeometry --shell "$w" | grep -q "WIDTH=324$"; then fail "the splash window is still shown"; fi
done
import -window root "$work/menu.png"

# The computer dictionary's entry; the help window and back; then back to the start menu.
click_at 122 148
wait_window 667
import -window root "$work/browser.png"
click_at 585 505
wait_window 564 Help
centred 564 || fail "the help window is not centred: $X"
import -window root "$work/help.png"
click_at 507 16
wait_window 667
click_at 59 434
wait_window 521
echo "start: splash, start menu centred after a drag, browser and help windows, and back"

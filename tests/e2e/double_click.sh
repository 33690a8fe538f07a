#!/usr/bin/env bash
# Double-clicks as a user's hands make them: a double-clicked menu entry, back button or help
# window's back button hands over once, and a double-clicked link opens its page once (the desktop's
# opener here records each address it is given). A click that hands over takes its window away, so
# the second press of those double-clicks lands on the next window as a press of its own; the link,
# whose window stays, is where the second press must not click again.
set -euo pipefail
program=$1
work=$2
source "$(dirname "$0")/lib/display.bash"
record_opener
start_display
start_program
wait_window 521

# Two clicks well inside the desktop's double-click time.
double_click_at() {
  xdotool mousemove $((X + $1)) $((Y + $2)) click --repeat 2 --delay 80 1
  sleep 0.6
}
# After a double-click: this window, and no other of the program, is shown, and it stays so.
only() {
  wait_window "$1" "${2:-Lumitra Abbreviation Dictionary}"
  sleep 0.3
  local shown
  shown=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l)
  [ "$shown" -eq 1 ] || fail "$3: $shown windows shown"
  kill -0 "$app" || fail "$3: the program ended"
}

# The five entries of the start menu, from the top; each opens the browser window once.
for entry in "oxford 180 103" "computer 180 150" "hardware 180 196" "bangladesh 183 244" "international 180 290"; do
  read -r name ex ey <<<"$entry"
  double_click_at "$ex" "$ey"
  only 667 "" "the $name entry"
  click_at 59 434 # back to the start menu
  wait_window 521
done

# The browser window's back button.
click_at 180 103
wait_window 667
double_click_at 59 434
only 521 "" "the browser window's back button"

# The help window's back button.
click_at 180 103
wait_window 667
click_at 585 505
wait_window 564 Help
double_click_at 507 16
only 667 "" "the help window's back button"

# The maker's web site, from the Download page.
click_at 585 505
wait_window 564 Help
click_at 327 373
double_click_at 260 116
for _ in $(seq 30); do [ -s "$work/opened" ] && break; sleep 0.1; done
sleep 1
[ -s "$work/opened" ] || fail "the link did not reach the desktop's opener"
opened=$(wc -l <"$work/opened")
[ "$opened" -eq 1 ] || fail "a double-clicked link opened its page $opened times"
kill -0 "$app" || fail "the program ended after following a link"
echo "double-clicks: five menu entries, two back buttons and a link each acted once"

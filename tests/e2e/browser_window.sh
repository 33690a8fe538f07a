#!/usr/bin/env bash
# The real program on its own X display: the browser window opens centred and cut to its outline,
# a dictionary button shows its panel, and typing into the search box selects and shows an entry.
set -euo pipefail
program=$1
work=$2
source "$(dirname "$0")/lib/display.bash"
start_display
open_browser

[ "$X" -eq $(((screen_width - 667) / 2)) ] || [ "$X" -eq $(((screen_width - 667) / 2 + 1)) ] ||
  fail "window not centred across: $X"
[ "$(pixel "$X" "$Y")" = "000000" ] || fail "the rounded corner is not cut away: $(pixel "$X" "$Y")"
[ "$(pixel $((X + 325)) $((Y + 300)))" != "000000" ] || fail "nothing drawn inside the window"

# Oxford's button, then its search box.
click_at 585 109
frame=$(pixel $((X + 553)) $((Y + 120)))
[ "$frame" = "FF0000" ] || fail "the button's hover frame is not lit: $frame"
click_at 96 102
xdotool type --delay 60 "TESO"
sleep 0.5
import -window root "$work/oxford.png"
# The abbreviation box shows the selected entry in black on white: some dark pixels in its middle.
dark=$(convert "$work/oxford.png" -crop "180x22+$((X + 306))+$((Y + 220))" -threshold 50% -format "%[fx:mean]" info:)
awk -v m="$dark" 'BEGIN { exit !(m < 0.99 && m > 0.5) }' || fail "no text in the abbreviation box ($dark)"

# A press on the bare background moves the window with the pointer.
xdotool mousemove $((X + 300)) $((Y + 30)) mousedown 1 mousemove $((X + 310)) $((Y + 40)) sleep 0.2 \
  mousemove $((X + 330)) $((Y + 50)) sleep 0.2 mousemove $((X + 340)) $((Y + 60)) sleep 0.3 mouseup 1
sleep 0.5
where
[ "$X" -ne $(((screen_width - 667) / 2)) ] || fail "dragging the background did not move the window"
echo "browser window: centred, cut, selects and searches, drags"

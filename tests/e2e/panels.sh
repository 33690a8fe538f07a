#!/usr/bin/env bash
# Each of the five dictionary buttons shows its panel with its filled list (a screenshot of each is
# left in the work directory), and the hardware dictionary's elaboration box draws Bengali script.
set -euo pipefail
program=$1
work=$2
source "$(dirname "$0")/lib/display.bash"
start_display
open_browser

# A region of the window mostly light: a shown list or box, not the dark red background.
light() {
  local mean
  mean=$(convert "$1" -crop "$2" +repage -colorspace Gray -format "%[fx:mean]" info:)
  awk -v m="$mean" 'BEGIN { exit !(m > 0.6) }'
}

buttons=("oxford 585 109" "computer 583 189" "hardware 584 269" "bangladesh 585 349" "international 585 429")
import -window root "$work/before.png"
light "$work/before.png" "140x200+$((X + 30))+$((Y + 160))" && fail "a list is shown before any choice"
for entry in "${buttons[@]}"; do
  read -r name bx by <<<"$entry"
  click_at "$bx" "$by"
  import -window root "$work/panel-$name.png"
  light "$work/panel-$name.png" "140x200+$((X + 30))+$((Y + 160))" || fail "$name: no list shown"
done

# The hardware panel, searched for "Megahertz": its elaboration in the Bengali glyph font.
click_at 584 269
click_at 96 102
xdotool type --delay 40 "Megahertz"
sleep 0.5
import -window root "$work/hardware-megahertz.png"
bengali=$(longest_dark_stroke "$work/hardware-megahertz.png" "297x169+$((X + 224))+$((Y + 152))")
latin=$(longest_dark_stroke "$work/hardware-megahertz.png" "233x28+$((X + 224))+$((Y + 352))")
# Bengali words hang from a long headline; the Latin of the abbreviation box has no such stroke.
[ "$bengali" -ge 25 ] || fail "the elaboration box shows no Bengali headline (longest stroke $bengali)"
[ "$latin" -gt 0 ] && [ "$latin" -lt 25 ] || fail "the abbreviation box's Latin text measures $latin"
echo "panels: five lists shown; Bengali elaboration (stroke $bengali px against $latin px of Latin)"

#!/usr/bin/env bash
# The start menu's five tips under the pointer (a screenshot of each is left in the work directory):
# each changes the window only inside the tips label and the bold entry, so that no tip stands out of
# its label, not even the Bangladesh tip's "Abbreviation.Those", which is wider than the label.
set -euo pipefail
program=$1
work=$2
source "$(dirname "$0")/lib/display.bash"
start_display
start_program
wait_window 521

# The boxes in pixels (left top width height): the tips label, and each entry with its centre.
tips="360 125 105 161"
entries=("oxford 64 91 233 25" "computer 56 138 249 25" "hardware 64 184 233 25"
  "bangladesh 67 233 233 25" "international 64 278 233 25")
rectangle() { # left top width height -> an ImageMagick rectangle on the screen
  echo "$((X + $1)),$((Y + $2)) $((X + $1 + $3 - 1)),$((Y + $2 + $4 - 1))"
}
for entry in "${entries[@]}"; do
  read -r name left top width height <<<"$entry"
  # Over the bare background first, which puts away any tip and bold entry, then onto the entry.
  xdotool mousemove $((X + 20)) $((Y + 400))
  sleep 0.3
  import -window root "$work/plain-$name.png"
  xdotool mousemove $((X + left + width / 2)) $((Y + top + height / 2))
  sleep 0.4
  import -window root "$work/tip-$name.png"
  cmp -s "$work/plain-$name.png" "$work/tip-$name.png" && fail "$name: no tip shown"
  # What the tip changed, with the tips label and the entry blacked out, must be nothing.
  changed=$(convert "$work/plain-$name.png" "$work/tip-$name.png" -compose difference -composite \
    -fill black -draw "rectangle $(rectangle $tips)" -draw "rectangle $(rectangle $left $top $width $height)" \
    -colorspace Gray -format '%[fx:maxima]' info:)
  [ "$changed" = "0" ] || fail "$name: the tip changed the window outside the tips label"
done
echo "tips: five tips, each inside the tips label"

#!/usr/bin/env bash
# On a 1280 x 1024 screen each of the four windows opens where half of what the screen leaves beside
# it puts it, reckoned in twips: the splash window at 478,369, the start menu at 380,296, the browser
# window at 306,219 and the help window at 358,292.
set -euo pipefail
program=$1
work=$2
screen_width=1280
screen_height=1024
source "$(dirname "$0")/lib/display.bash"
start_display

at() {
  [ "$X,$Y" = "$2" ] || fail "the $1 stands at $X,$Y, not at $2"
}
start_program
at "splash window" 478,369
wait_window 521
at "start menu" 380,296
click_at 130 100
wait_window 667
at "browser window" 306,219
click_at 585 505
wait_window 564 Help
at "help window" 358,292
echo "centring: splash, start menu, browser and help windows each where the twips put them"

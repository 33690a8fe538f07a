#!/usr/bin/env bash
# The help window's pages under their buttons (a screenshot of each is left in the work directory),
# and a link on the Download page handed to the desktop's opener, which here records the address.
set -euo pipefail
program=$1
work=$2
source "$(dirname "$0")/lib/display.bash"
record_opener
start_display
open_browser
click_at 585 505
wait_window 564 Help
import -window root "$work/page-title.png"
for page in "terms 71 373" "about 199 373" "download 327 373" "help 455 373"; do
  read -r name px py <<<"$page"
  click_at "$px" "$py"
  import -window root "$work/page-$name.png"
done
cmp -s "$work/page-terms.png" "$work/page-about.png" && fail "the About page looks like the Terms page"

# The maker's web site, from the Download page.
click_at 327 373
click_at 260 116
for _ in $(seq 30); do [ -s "$work/opened" ] && break; sleep 0.1; done
[ -s "$work/opened" ] || fail "the link did not reach the desktop's opener"
opened=$(cat "$work/opened")
[ "$opened" = "https://www.lumitrasoftware.com/" ] || fail "the link opened \"$opened\""
kill -0 "$app" || fail "the program ended after following a link"
echo "help window: four pages; the maker's link opened $opened"

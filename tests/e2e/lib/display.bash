# What the end-to-end checks share: a display of their own, the program's window on it, and a look
# at the screen's pixels. Source it with the program's path and a work directory set:
#     program=$1 work=$2; source lib/display.bash; start_display; open_browser
for tool in Xvfb xdotool import convert xprop; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh" >&2; exit 1; }
done
mkdir -p "$work"
xvfb=""
app=""
extra_pids=()
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  for pid in "${extra_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

# A check may ask for a screen of another size by setting these before it sources this file.
screen_width=${screen_width:-1024}
screen_height=${screen_height:-768}

start_display() {
  # Xvfb picks a free display number itself and writes it on a pipe once it listens.
  exec {displayfd}<> <(:)
  Xvfb -displayfd "$displayfd" -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
    >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  local number=""
  read -r -t 10 number <&"$displayfd" || true
  exec {displayfd}<&-
  [ -n "$number" ] && kill -0 "$xvfb" 2>/dev/null || { echo "the display did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  export DISPLAY=":$number"
  # The program talks to this X server only, whatever the caller's session is.
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
}

# Puts a desktop opener in the program's way that only writes each address it is given, a line
# each, into $work/opened.
record_opener() {
  mkdir -p "$work/bin"
  cat >"$work/bin/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n' "\$@" >>"$work/opened"
OPENER
  chmod +x "$work/bin/xdg-open"
  rm -f "$work/opened"
  export PATH="$work/bin:$PATH"
}

# Waits for the program's shown window of this width (and title, if not the program's name); sets
# window, X and Y.
wait_window() {
  window=""
  local w title="${2:-Lumitra Abbreviation Dictionary}"
  for _ in $(seq 100); do
    for w in $(xdotool search --onlyvisible --name "$title" 2>/dev/null); do
      if xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -q "WIDTH=$1\$"; then window=$w; break 2; fi
    done
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no $1-pixel-wide window opened" >&2; cat "$work/program.log" >&2; exit 1; }
  sleep 0.5
  where
}

# Starts the program: the splash window, 324 pixels wide, comes first.
start_program() {
  "$program" >"$work/program.log" 2>&1 &
  app=$!
  wait_window 324
}

# Starts the program and goes on from the start menu (521 pixels wide) to the browser window (667
# pixels wide) by its first entry, the Oxford dictionary.
open_browser() {
  start_program
  wait_window 521
  click_at 130 100
  wait_window 667
}

# The window's place on the screen, in X and Y.
where() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

# Colour of a screen pixel as RRGGBB.
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 -format '%[hex:p{0,0}]' info:
}

fail() {
  echo "FAIL: $*" >&2
  import -window root "$work/failure.png" || true
  exit 1
}

# A click at a point of the window.
click_at() {
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
  sleep 0.4
}

# The longest unbroken dark horizontal stroke, in pixels, in a box of a screenshot: WIDTHxHEIGHT+X+Y.
longest_dark_stroke() {
  convert "$1" -crop "$2" +repage -colorspace Gray -threshold 50% -depth 8 txt:- |
    awk -F'[,: ]+' 'NR > 1 {
      x = $1; y = $2; dark = ($0 ~ /#000000/)
      if (y != row) { row = y; run = 0 }
      run = dark ? run + 1 : 0
      if (run > best) best = run
    } END { print best + 0 }'
}

#!/usr/bin/env bash
# The program as a user installs it: the executable, a desktop entry that a desktop accepts and that
# names the program's windows, and the icon that entry names, 64 x 64; the installed program runs.
set -euo pipefail
program=$1 work=$2
build=$(cd "$(dirname "$program")/.." && pwd)
source "$(dirname "$0")/lib/display.bash"
for tool in desktop-file-validate identify; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh" >&2; exit 1; }
done
prefix="$work/prefix"
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

entry="$prefix/share/applications/lumitra-dictionary.desktop"
icon="$prefix/share/icons/hicolor/64x64/apps/lumitra-dictionary.png"
[ -x "$prefix/bin/lumitra-dictionary" ] || fail "no executable installed"
[ -f "$entry" ] || fail "no desktop entry installed"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Name)" = "Lumitra Abbreviation Dictionary" ] || fail "Name is '$(value Name)'"
[ "$(value Comment)" = "Lumitra International Version" ] || fail "Comment is '$(value Comment)'"
[ "$(value X-Lumitra-FileVersion)" = "1.00" ] || fail "the version is '$(value X-Lumitra-FileVersion)'"
[ "$(value X-Lumitra-CompanyName)" = "Lumitra Software" ] || fail "the maker is '$(value X-Lumitra-CompanyName)'"
[ "$(value X-Lumitra-ProductName)" = 'Lumitra Abbreviation Dictionary\s' ] || fail "the product name lost its blank"
[ "$(value Icon)" = "lumitra-dictionary" ] || fail "the entry names the icon '$(value Icon)'"
[ "$(identify -format '%m %wx%h' "$icon")" = "PNG 64x64" ] || fail "the icon is $(identify -format '%m %wx%h' "$icon")"

# The installed program's windows carry the class that the entry names.
start_display
program="$prefix/bin/lumitra-dictionary"
start_program
class=$(xprop -id "$window" WM_CLASS)
echo "$class"
grep -q "\"$(value StartupWMClass)\"\$" <<<"$class" || fail "the window's class is not the entry's: $class"
echo "installed: executable, valid desktop entry, 64 x 64 icon; the windows' class is the entry's"

#!/usr/bin/env bash
# Takes the screenshots of docs/screenshots again from a build of this
# version, in Russian, under Xvfb, driving the windows as a player does
# (xdotool clicks and keys), so that the pictures of the README and of the
# guide are never stale. Needs xvfb, xdotool and imagemagick.
#
#   scripts/screenshots.sh [PROGRAM] [FOLDER]
#
# PROGRAM defaults to build/src/app/trivelon, FOLDER to docs/screenshots. The
# program runs with a settings folder of its own, from the repository's
# folder (where images/ is). The Windows pictures come from
# scripts/windows-smoke.sh --screenshots.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$repo/build/src/app/trivelon}")
folder=$(realpath -m "${2:-$repo/docs/screenshots}")
mkdir -p "$folder"
work=$(mktemp -d)
display=:93
Xvfb "$display" -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$app" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display XDG_CONFIG_HOME=$work
sleep 1
cd "$repo"
"$program" --lang ru >/dev/null 2>&1 &
app=$!

# The window whose title matches, once it is shown.
window() {
  local id
  for _ in $(seq 40); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.25
  done
  echo "screenshots: no window named $1" >&2
  exit 1
}
# A click at a place of the window, as its client area counts.
click() { xdotool mousemove --window "$1" "$2" "$3" click --repeat "${4:-1}" 1; sleep 0.4; }
# Replaces a field's text: a triple click selects it, the keys type anew.
retype() { click "$1" "$2" "$3" 3; xdotool key ctrl+a; xdotool type --delay 40 "$4"; sleep 0.3; }
shot() { xdotool mousemove 1360 760; sleep 0.6; import -window "$1" "$folder/$2"; }

main=$(window '^Тривелон для')
shot "$main" main-window.png

# A weapon of level 1 forged: Knife, with a price typed into the result window.
click "$main" 95 283
xdotool type --delay 60 "Knife"; xdotool key Return; sleep 0.5
click "$main" 375 420
result=$(window '^Knife$')
retype "$result" 376 340 500
xdotool key Tab
shot "$result" result-window.png
xdotool key Escape; sleep 0.5

# The refining tab at class 4 from +4 to +10, with the prices of a market.
click "$main" 100 12
# The class first (from the current level's field, Tab reaches it), since a
# class chosen sets its levels; then the levels, each committed by Tab.
click "$main" 70 283; xdotool key Tab Home Down Down Down; sleep 0.3
xdotool key shift+Tab ctrl+a; xdotool type --delay 40 "+4"; xdotool key Tab Tab; sleep 0.3
xdotool key ctrl+a; xdotool type --delay 40 "+10"; xdotool key Tab; sleep 0.3
retype "$main" 565 163 5000
retype "$main" 565 187 900000
xdotool key Tab
shot "$main" refining-tab.png

click "$main" 145 348
chart=$(window '^График')
xdotool type --delay 40 "300кк"; sleep 0.5
shot "$chart" budget-chart.png
xdotool key Escape; sleep 0.5

click "$main" 145 380
comparison=$(window '^С какого уровня')
# The item's price at +0, +7 and as the finished +10; +4 is the tab's own.
for price in 150000 - - - - - - 2кк - - 90кк; do
  [ "$price" != - ] && { xdotool key ctrl+a; xdotool type --delay 60 "$price"; }
  xdotool key Tab; sleep 0.2
done
sleep 1.5
shot "$comparison" refine-comparison.png
echo "screenshots: $(ls "$folder" | tr '\n' ' ')"

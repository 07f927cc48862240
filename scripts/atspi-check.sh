#!/bin/sh
# Starts the program under Xvfb with the AT-SPI bus in a D-Bus session of
# its own and prints what a screen reader reads of it (scripts/atspi-tree.py).
# Usage: scripts/atspi-check.sh [PROGRAM] [COMMANDS]: COMMANDS run (with
# DISPLAY set) after the window opens, e.g. xdotool key presses that open the
# other windows. Needs xvfb, at-spi2-core, python3-pyatspi and xdotool.
set -eu
program=${1:-build/src/app/trivelon}
commands=${2:-true}
exec dbus-run-session -- sh -c '
    Xvfb :97 -screen 0 1366x768x24 >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=:97 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME=$(mktemp -d)
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    "$0" >/dev/null 2>&1 &
    app=$!
    sleep 3
    sh -c "$1"
    sleep 1
    status=0
    /usr/bin/python3 "$(dirname "$2")/atspi-tree.py" || status=$?
    kill $app $xvfb 2>/dev/null || true
    exit $status
' "$program" "$commands" "$0"

#!/usr/bin/env bash
# Tries the Windows build (scripts/build-windows.sh) under Wine in a virtual X
# display: the Windows tests; a silent install; the installed program started
# from a folder without images/, its main window, a weapon forged with the
# mouse and the keyboard and the result window's title; the command-line
# corpus through the installed trivelon-cli.exe against the Linux
# trivelon-cli (the same after line ends); a silent uninstall. Prints one
# summary line and exits non-zero on any failure.
#
#   scripts/windows-smoke.sh [--screenshots FOLDER] [LINUX_CLI]
#
# LINUX_CLI defaults to build/src/cli/trivelon-cli. With --screenshots, the
# main window and the result window are saved there as PNG files.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

screenshots=""
if [ "${1:-}" = --screenshots ]; then
  screenshots=$(realpath -m "${2:?--screenshots needs a folder}")
  shift 2
fi
linux_cli=$(realpath "${1:-$repo/build/src/cli/trivelon-cli}")
build="$repo/build-windows"
version=$(sed -n 's/^project(Trivelon VERSION \([0-9.]*\) .*/\1/p' "$repo/CMakeLists.txt")
setup="$repo/dist/trivelon-$version-setup.exe"
for needed in "$setup" "$linux_cli" "$build/CTestTestfile.cmake"; do
  [ -e "$needed" ] || { echo "missing $needed: run scripts/build-windows.sh first" >&2; exit 2; }
done
"$repo/scripts/install-deps.sh" wine wine64 xvfb xdotool imagemagick

work="$build/smoke"
rm -rf "$work"
mkdir -p "$work/elsewhere"
source "$repo/scripts/wine-env.sh"

failures=()
fail() {
  echo "FAIL: $*" >&2
  failures+=("$1")
}
pass() {
  echo "ok: $*"
}

# A display of its own; Wine's windows appear there.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY
wine_env "$work/wine"
cleanup() {
  wine_end
  kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT

# The Windows tests: the core, the command line and the picture files.
if ctest --test-dir "$build" --output-on-failure >"$work/ctest.txt" 2>&1; then
  pass "Windows tests under Wine: $(grep -o '[0-9]*% tests passed.*' "$work/ctest.txt")"
else
  tail -30 "$work/ctest.txt" >&2
  fail "Windows tests under Wine"
fi

# A silent install into Program Files, with its Start-menu entry and its entry
# in the list of installed programs.
program_files="$WINEPREFIX/drive_c/Program Files/Trivelon"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trivelon'
wine "$setup" /S
if [ -f "$program_files/trivelon.exe" ] && [ -f "$program_files/trivelon-cli.exe" ] &&
  [ -d "$program_files/images/big" ] && [ -f "$program_files/uninstall.exe" ]; then
  pass "silent install into C:\\Program Files\\Trivelon"
else
  fail "silent install" "missing files in $program_files"
fi
start_menu=$(find "$WINEPREFIX/drive_c/ProgramData" -name 'Тривелон.lnk' 2>/dev/null | head -1)
[ -n "$start_menu" ] && pass "Start-menu entry" || fail "Start-menu entry"
if wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r' | grep -q 'UninstallString.*uninstall.exe'; then
  pass "entry with an uninstaller in the installed programs"
else
  fail "installed programs entry"
fi

# The installed program, started from a folder that has no images/: it finds
# its pictures beside the .exe.
title="Тривелон для ТАЛВ версия 0.7.0 от 28.08.2006"
(cd "$work/elsewhere" && exec wine 'C:\Program Files\Trivelon\trivelon.exe') >/dev/null 2>&1 &
disown  # ended with the Wine server below, without a notice from the shell
main_window=$(xdotool search --sync --onlyvisible --name "^$title\$" 2>/dev/null | head -1)
if [ -n "$main_window" ]; then
  pass "main window \"$title\""
  sleep 3
  [ -z "$screenshots" ] || import -window "$main_window" "$screenshots/windows-main-window.png"
  # The item selector at (92, 259) and "Считаем..." at (373, 396) on the
  # forging tab, whose page begins about (3, 25) inside the window.
  xdotool mousemove --window "$main_window" 95 284 click 1
  sleep 1
  xdotool type --delay 100 "Knife"
  xdotool key Return
  sleep 1
  xdotool mousemove --window "$main_window" 376 421 click 1
  if result=$(xdotool search --sync --onlyvisible --name '^Knife$' 2>/dev/null | head -1) && [ -n "$result" ]; then
    pass "\"Считаем...\" on Knife opens the result window \"$(xdotool getwindowname "$result")\""
    sleep 2
    [ -z "$screenshots" ] || import -window "$result" "$screenshots/windows-result-window.png"
  else
    fail "result window" "no window titled Knife after pressing Считаем..."
  fi
  [ -n "$(find "$WINEPREFIX/drive_c" -name '*.dmp' 2>/dev/null)" ] && fail "crash dump"
else
  fail "main window" "no window titled \"$title\""
fi
# The program and its windows end with a new start of the Wine server.
wine_end
wine_env "$WINEPREFIX"

# The corpus through the installed trivelon-cli.exe, against Linux.
"$repo/scripts/cli-corpus.sh" "$linux_cli" >"$work/corpus.tsv"
requests=$(wc -l <"$work/corpus.tsv")
"$repo/scripts/cli-corpus-run.sh" "$work/corpus.tsv" "$linux_cli" >"$work/corpus-linux.txt"
"$repo/scripts/cli-corpus-run.sh" "$work/corpus.tsv" wine 'C:\Program Files\Trivelon\trivelon-cli.exe' |
  tr -d '\r' >"$work/corpus-windows.txt"
if cmp -s "$work/corpus-linux.txt" "$work/corpus-windows.txt"; then
  pass "trivelon-cli.exe: $requests requests, the same output as on Linux"
else
  diff "$work/corpus-linux.txt" "$work/corpus-windows.txt" | head -30 >&2
  fail "trivelon-cli.exe corpus" "output differs from Linux"
fi

# A silent uninstall removes the folder and the entries.
# The uninstaller runs on from a copy of itself and returns at once.
wine "$program_files/uninstall.exe" /S
for _ in $(seq 120); do [ -e "$program_files" ] || break; sleep 0.5; done
[ ! -e "$program_files" ] && pass "silent uninstall removed the folder" || fail "uninstall" "$program_files is left"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "uninstall entry" "still listed"

if [ ${#failures[@]} -eq 0 ]; then
  echo "Windows smoke test under Wine: all passed (install, window, forge, $requests CLI requests, uninstall)"
else
  echo "Windows smoke test under Wine: ${#failures[@]} failed: ${failures[*]}"
  exit 1
fi

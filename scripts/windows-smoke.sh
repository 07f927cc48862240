#!/usr/bin/env bash
# Tries the Windows build (scripts/build-windows.sh) under Wine in a virtual X
# display of 1366 x 768: the Windows tests (among them the console output,
# in a console the test makes); the version information and the manifest of
# both programs; a silent install; the installed program started from a
# folder without images/, its main window, a weapon forged with the mouse
# and the keyboard, the result window's title and its owner; --help in its
# message box; a reinstall while the program runs (the installer asks to
# close it, touches nothing until then, and goes on after "Повтор"); at 144
# DPI, the main window, a result window, its chart and the comparison
# inside the screen; the command-line corpus through the installed
# trivelon-cli.exe against the Linux trivelon-cli (the same after line
# ends); an uninstall while the program runs (the same question), which then
# removes everything; one while another program holds an installed file
# (named, nothing removed, everything after "Повтор"), and one beside a file
# of the player's own (the settings asked about first; the program goes, the
# folder stays). Prints one summary line and exits non-zero on any failure.
#
#   scripts/windows-smoke.sh [--screenshots FOLDER] [LINUX_CLI]
#
# LINUX_CLI is the Linux trivelon-cli the corpus is compared with. Without
# it, build/src/cli/trivelon-cli is used, and built there first when missing
# (cmake --preset default, then only the target trivelon-cli). With
# --screenshots, the main window, a result window, the --help box and the
# result window at 144 DPI are saved as PNG files in the folder given, made
# when missing.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

screenshots=""
if [ "${1:-}" = --screenshots ]; then
  screenshots=$(realpath -m "${2:?--screenshots needs a folder}")
  mkdir -p "$screenshots" || exit 2
  shift 2
fi
build="$repo/build-windows"
version=$(sed -n 's/^project(Trivelon VERSION \([0-9.]*\) .*/\1/p' "$repo/CMakeLists.txt")
setup="$repo/dist/trivelon-$version-setup.exe"
for needed in "$setup" "$build/CTestTestfile.cmake"; do
  [ -e "$needed" ] || {
    echo "missing $needed: build the Windows package first with scripts/build-windows.sh" >&2
    exit 2
  }
done
if [ $# -gt 0 ]; then
  linux_cli=$(realpath -m "$1")
  [ -x "$linux_cli" ] || {
    echo "not a program: $linux_cli; give the Linux trivelon-cli, such as build/src/cli/trivelon-cli" \
      "after: cmake --preset default && cmake --build --preset default --target trivelon-cli" >&2
    exit 2
  }
else
  linux_cli="$repo/build/src/cli/trivelon-cli"
  if [ ! -x "$linux_cli" ]; then
    echo "building the Linux trivelon-cli to compare with: $linux_cli"
    (cd "$repo" && { [ -e build/CMakeCache.txt ] || cmake --preset default >/dev/null; } &&
      cmake --build --preset default --target trivelon-cli >/dev/null) || {
      echo "cannot build $linux_cli; give a Linux trivelon-cli as the argument" >&2
      exit 2
    }
  fi
fi
"$repo/scripts/install-deps.sh" wine wine64 xvfb xdotool x11-utils imagemagick

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

# A display of its own, of a common laptop's size; Wine's windows appear there.
screen_width=1366 screen_height=768
wine_display "${screen_width}x${screen_height}" "$work"
wine_env "$work/wine"
cleanup() {
  wine_end
  wine_display_end
}
trap cleanup EXIT

# The Windows tests: the core, the command line, the picture files and the
# console output. A program that Wine ended before it ran is started again
# (scripts/wine-run.sh), and counted here.
export WINE_RUN_RESTARTS="$work/wine-restarts.txt"
rm -f "$WINE_RUN_RESTARTS"
if ctest --test-dir "$build" --output-on-failure >"$work/ctest.txt" 2>&1; then
  restarts=""
  [ ! -s "$WINE_RUN_RESTARTS" ] || restarts=" ($(wc -l <"$WINE_RUN_RESTARTS") started again after Wine ended them before they ran)"
  pass "Windows tests under Wine: $(grep -o '[0-9]*% tests passed.*' "$work/ctest.txt")$restarts"
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

# The window whose title matches the pattern, once it shows (within the
# seconds given, 30 by default); nothing when none shows.
window_named() {
  local found="" tries=$((${2:-30} * 4))
  for _ in $(seq "$tries"); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$found" ] && break
    sleep 0.25
  done
  echo "$found"
}

# Presses Return (the default button) in the window given until it goes, at
# most 15 times two seconds apart: under load, Wine has let a key sent to a
# question just shown go unanswered.
press_return_until_gone() {
  for _ in $(seq 15); do
    xdotool key --window "$1" Return
    sleep 2
    xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" || return 0
  done
  return 1
}

# Whether the window lies inside the screen, frame and all; says where it is.
inside_screen() {
  local geometry x y width height
  geometry=$(xdotool getwindowgeometry --shell "$1")
  x=$(sed -n 's/^X=//p' <<<"$geometry") y=$(sed -n 's/^Y=//p' <<<"$geometry")
  width=$(sed -n 's/^WIDTH=//p' <<<"$geometry") height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
  echo "${width}x${height} at $x,$y"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + width)) -le $screen_width ] && [ $((y + height)) -le $screen_height ]
}

# The screen's resolution for Windows programs, in dots per inch.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels \
    /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# The installed program, started from a folder that has no images/: it finds
# its pictures beside the .exe. In Russian, whatever Wine's locale, as the
# windows below are found by their Russian titles.
start_program() {
  (cd "$work/elsewhere" && exec wine 'C:\Program Files\Trivelon\trivelon.exe' --lang ru "$@") >/dev/null 2>&1 &
  disown  # ended with the Wine server at the latest, without a notice from the shell
}

# Picks Knife in the main window and presses "Считаем...", with the mouse
# and the keyboard: at 96 DPI the item selector is at (92, 259) and the
# button at (373, 396) on the forging tab, whose page begins about (3, 25)
# inside the window; every place scales with the screen (percent given).
forge_knife() {
  local window=$1 scale=$2
  xdotool mousemove --window "$window" $((95 * scale / 100)) $((284 * scale / 100)) click 1
  sleep 1
  xdotool type --delay 100 "Knife"
  xdotool key Return
  sleep 1
  xdotool mousemove --window "$window" $((376 * scale / 100)) $((421 * scale / 100)) click 1
}

# Closes the program as a player does (its windows get WM_CLOSE) and waits
# until its main window is gone.
close_program() {
  wine taskkill /IM trivelon.exe >/dev/null 2>&1
  for _ in $(seq 80); do
    [ -z "$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null)" ] && return
    sleep 0.25
  done
}

title="Тривелон для ТАЛВ версия 0.7.0 от 28.08.2006"
installed_program="$program_files/trivelon.exe"

if "$repo/scripts/windows-resources-check.sh" "$installed_program" "$program_files/trivelon-cli.exe" \
  >"$work/resources.txt"; then
  pass "version information and manifest: $(tr '\n' ' ' <"$work/resources.txt")"
else
  fail "version information and manifest" "$(cat "$work/resources.txt")"
fi

start_program
main_window=$(window_named "^$title\$")
if [ -n "$main_window" ]; then
  pass "main window \"$title\""
  sleep 3
  [ -z "$screenshots" ] || import -window "$main_window" "$screenshots/windows-main-window.png"
  forge_knife "$main_window" 100
  result=$(window_named '^Knife$')
  if [ -n "$result" ]; then
    pass "\"Считаем...\" on Knife opens the result window \"$(xdotool getwindowname "$result")\""
    sleep 2
    [ -z "$screenshots" ] || import -window "$result" "$screenshots/windows-result-window.png"
  else
    fail "result window" "no window titled Knife after pressing Считаем..."
  fi
  [ -n "$(find "$WINEPREFIX/drive_c" -name '*.dmp' 2>/dev/null)" ] && fail "crash dump"

  # Installing over the running program: the installer asks to close it and
  # replaces nothing before the answer. (The installer keeps the files'
  # modification times; their change times tell a rewrite.)
  before=$(stat -c %Z "$installed_program")
  sleep 1
  wine "$setup" /S &
  setup_run=$!
  prompt=$(window_named "^Установка Тривелон $version\$")
  if [ -n "$prompt" ] && [ "$(stat -c %Z "$installed_program")" = "$before" ]; then
    close_program
    press_return_until_gone "$prompt"  # "Повтор"
    if wait "$setup_run" && [ "$(stat -c %Z "$installed_program")" != "$before" ]; then
      pass "reinstall while the program runs: asked to close it, installed after \"Повтор\""
    else
      fail "reinstall while running" "the installer failed or replaced nothing after \"Повтор\""
    fi
  else
    fail "reinstall while running" "no question before replacing the running program"
    wait "$setup_run"
  fi
else
  fail "main window" "no window titled \"$title\""
fi

# --help: a message box in Russian; the program ends when it is closed.
start_program --help
help_box=$(window_named '^Тривелон$')
if [ -n "$help_box" ]; then
  sleep 1
  [ -z "$screenshots" ] || import -window "$help_box" "$screenshots/windows-help.png"
  xdotool key --window "$help_box" Return
  sleep 2
  if [ -z "$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null)" ]; then
    pass "--help in a message box, the program ends after it"
  else
    fail "--help" "the main window opened after it"
  fi
else
  fail "--help" "no message box titled Тривелон"
fi
# The program and its windows end with a new start of the Wine server.
wine_end

# At 144 DPI (150 %) on the 1366 x 768 screen: the main window, a weapon's
# result window and its chart lie inside the screen; what does not fit
# scrolls. Every place inside a window is the one at 96 DPI times 1.5; in
# the result window, Shift+Tab twice from the first price edit (past the budget table, the last stop) reaches "График...",
# which the window scrolls into view.
wine_env "$WINEPREFIX"
set_dpi 144
wine_end
wine_env "$WINEPREFIX"
start_program
main_window=$(window_named "^$title\$") where=""
if [ -n "$main_window" ] && where=$(inside_screen "$main_window"); then
  pass "144 DPI: the main window inside the screen ($where)"
  sleep 2
  forge_knife "$main_window" 150
  result=$(window_named '^Knife$') where=""
  if [ -n "$result" ] && where=$(inside_screen "$result"); then
    pass "144 DPI: the result window inside the screen ($where)"
    sleep 2
    [ -z "$screenshots" ] || import -window "$result" "$screenshots/windows-result-window-144dpi.png"
    xdotool mousemove --window "$result" 540 510 click 1
    xdotool key --delay 200 shift+Tab shift+Tab Return
    chart=$(window_named '^График: Knife$') where=""
    if [ -n "$chart" ] && where=$(inside_screen "$chart"); then
      pass "144 DPI: the chart inside the screen ($where)"
    else
      fail "144 DPI chart" "${where:-no chart window after Shift+Tab twice and Enter in the result window}"
    fi
    # The comparison, wider than the screen at this scale, scrolls inside
    # it: the refining tab's header at (113, 12) and "Сравнить..." at
    # (144, 381) of the window at 96 DPI.
    xdotool windowraise "$main_window"
    sleep 1
    xdotool mousemove --window "$main_window" $((113 * 150 / 100)) $((12 * 150 / 100)) click 1
    sleep 2
    xdotool mousemove --window "$main_window" $((144 * 150 / 100)) $((381 * 150 / 100)) click 1
    comparison=$(window_named '^С какого уровня точить\?$') where=""
    if [ -z "$comparison" ]; then
      fail "144 DPI comparison" "no comparison window after its button on the refining tab"
    elif where=$(inside_screen "$comparison"); then
      pass "144 DPI: the comparison inside the screen ($where)"
    else
      fail "144 DPI comparison" "past the screen's edge: $where"
    fi
    sleep 1
    [ -z "$screenshots" ] || [ -z "$comparison" ] ||
      import -window "$comparison" "$screenshots/windows-comparison-144dpi.png"
  else
    fail "144 DPI result window" "${where:-no result window titled Knife}"
  fi
else
  fail "144 DPI main window" "${where:-no window titled \"$title\"}"
fi
wine_end
wine_env "$WINEPREFIX"
set_dpi 96

# The corpus through the installed trivelon-cli.exe, against Linux.
"$repo/scripts/cli-corpus.sh" "$linux_cli" >"$work/corpus.tsv"
requests=$(wc -l <"$work/corpus.tsv")
"$repo/scripts/cli-corpus-run.sh" "$work/corpus.tsv" "$linux_cli" >"$work/corpus-linux.txt"
windows_corpus() {
  "$repo/scripts/cli-corpus-run.sh" "$work/corpus.tsv" wine 'C:\Program Files\Trivelon\trivelon-cli.exe' |
    tr -d '\r' >"$work/corpus-windows.txt"
}
windows_corpus
if cmp -s "$work/corpus-linux.txt" "$work/corpus-windows.txt"; then
  pass "trivelon-cli.exe: $requests requests, the same output as on Linux"
else
  # Under load, Wine has now and then lost the whole standard output of one
  # request that exited as on Linux. The difference is shown, and the corpus
  # runs once more: a program that differs from Linux differs again.
  diff "$work/corpus-linux.txt" "$work/corpus-windows.txt" | head -30 >&2
  echo "trivelon-cli.exe corpus: the first run differs from Linux (above); running it again" >&2
  windows_corpus
  if cmp -s "$work/corpus-linux.txt" "$work/corpus-windows.txt"; then
    pass "trivelon-cli.exe: $requests requests, the same output as on Linux in a second run (the first differed)"
  else
    diff "$work/corpus-linux.txt" "$work/corpus-windows.txt" | head -30 >&2
    fail "trivelon-cli.exe corpus" "output differs from Linux in two runs"
  fi
fi

# Uninstalling while the program runs: the same question, nothing removed
# before the answer; then the folder, the Start-menu entry and the entry in
# the installed programs go. The uninstaller runs on from a copy of itself
# and returns at once; the settings file stays (silent: the default answer).
# Answers "Повтор" to the uninstaller's question in the window given; true
# when the program's folder is then gone (within a minute).
retry_removes_folder() {
  press_return_until_gone "$1"  # "Повтор"
  for _ in $(seq 120); do [ -e "$program_files" ] || return 0; sleep 0.5; done
  return 1
}

start_program
if [ -n "$(window_named "^$title\$")" ]; then
  wine "$program_files/uninstall.exe" /S
  prompt=$(window_named "^Удаление Тривелон $version\$")
  if [ -n "$prompt" ] && [ -f "$installed_program" ]; then
    close_program
    if retry_removes_folder "$prompt"; then
      pass "uninstall while the program runs: asked to close it, then removed the folder"
    else
      fail "uninstall" "$program_files is left"
    fi
  else
    fail "uninstall while running" "no question before removing the running program"
  fi
else
  fail "uninstall while running" "the program did not start"
fi
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "uninstall entry" "still listed"
[ -z "$(find "$WINEPREFIX/drive_c/ProgramData" -name 'Тривелон*' 2>/dev/null)" ] || fail "Start-menu entry" "left"

# An uninstall while another program holds an installed file open (a small
# helper holds LICENSE.txt until a flag file goes): it names the file and
# asks to retry, also when silent, having removed nothing; "Повтор" once the
# file is free removes everything.
x86_64-w64-mingw32-gcc -municode -O2 -o "$work/hold_file.exe" "$repo/tests/windows/hold_file.c"
flag="$WINEPREFIX/drive_c/hold-flag"
wine "$setup" /S
touch "$flag"
wine "$work/hold_file.exe" 'C:\Program Files\Trivelon\LICENSE.txt' 'C:\hold-flag' >/dev/null 2>&1 &
sleep 2
wine "$program_files/uninstall.exe" /S
prompt=$(window_named "^Удаление Тривелон $version\$")
if [ -n "$prompt" ] && [ -f "$installed_program" ] && [ -d "$program_files/images" ]; then
  sleep 1
  [ -z "$screenshots" ] || import -window "$prompt" "$screenshots/windows-uninstall-file-held.png"
  rm -f "$flag"
  sleep 1
  if retry_removes_folder "$prompt"; then
    pass "uninstall with a file held open: asked first with nothing removed, then removed all after \"Повтор\""
  else
    fail "uninstall with a file held open" "$program_files is left after \"Повтор\""
  fi
else
  fail "uninstall with a file held open" "no question, or files removed before it"
fi
rm -f "$flag"

# A file of the player's own in the folder: the settings question comes
# while the program is still in place; then the program goes, the folder
# and that file stay, and the finish page says so (its screenshot shows it).
wine "$setup" /S
echo "my notes" >"$program_files/my-notes.txt"
settings_folder="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/trivelon"
mkdir -p "$settings_folder" && touch "$settings_folder/trivelon.ini"
wine "$program_files/uninstall.exe"
# The wizard's title ends in a blank; a question's title does not.
confirm=$(window_named "^Удаление Тривелон $version +\$" 60) asked_first=""
if [ -n "$confirm" ]; then
  # "Удалить", again while a lost key leaves the wizard on its first page.
  for _ in $(seq 5); do
    xdotool key --window "$confirm" Return
    question=$(window_named "^Удаление Тривелон $version\$" 5)
    if [ -n "$question" ]; then
      [ -f "$installed_program" ] && asked_first=yes
      press_return_until_gone "$question"  # "Нет": the settings stay
      break
    fi
  done
  for _ in $(seq 60); do [ -e "$installed_program" ] || break; sleep 0.5; done
  sleep 2
  [ -z "$screenshots" ] || import -window "$confirm" "$screenshots/windows-uninstall-folder-kept.png"
  press_return_until_gone "$confirm"  # "Готово"
else
  echo "no uninstaller window; windows shown: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' ' ')" >&2
fi
if [ -z "$asked_first" ]; then
  fail "uninstall beside a foreign file" "no question about the settings while the program was still in place"
elif [ "$(ls -A "$program_files" 2>/dev/null)" = my-notes.txt ] && ! wine reg query "$uninstall_key" >/dev/null 2>&1; then
  pass "uninstall beside a file of the player's own: asked about the settings first; the program removed, the folder kept with that file"
else
  fail "uninstall beside a foreign file" "left: $(ls -A "$program_files" 2>/dev/null | tr '\n' ' ')"
fi

if [ ${#failures[@]} -eq 0 ]; then
  echo "Windows smoke test under Wine: all passed (resources, install, window, forge, help, reinstall while" \
    "running, 144 DPI, $requests CLI requests, uninstall while running, with a file held and beside a foreign file)"
else
  echo "Windows smoke test under Wine: ${#failures[@]} failed: ${failures[*]}"
  exit 1
fi

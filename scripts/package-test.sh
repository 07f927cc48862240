#!/usr/bin/env bash
# Builds the Debian package in a fresh build folder, installs it with apt (so
# that its declared dependencies resolve), checks the installed files, the
# command-line tool and the start of the desktop program from its desktop
# entry's working folder, then removes the package again.
# Uses sudo for apt when not run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
build=$repo/build-package

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

scripts/install-deps.sh desktop-file-utils appstream

# Removing the package at the end must not take away a copy the user installed.
if [ "$(dpkg-query -W -f='${Status}' trivelon 2>/dev/null || true)" = "install ok installed" ]; then
  echo "package-test: the trivelon package is already installed; remove it first" >&2
  exit 1
fi

rm -rf "$build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRIVELON_BUILD_TESTS=OFF >/dev/null
cmake --build "$build"
(cd "$build" && cpack >/dev/null)
packages=("$build"/trivelon_*.deb)
[ ${#packages[@]} -eq 1 ] || { echo "package-test: expected one package, found ${packages[*]}" >&2; exit 1; }
echo "Package: ${packages[0]##*/}"

remove_package() {
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get remove -y -qq trivelon >/dev/null
}
trap remove_package EXIT
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${packages[0]}" >/dev/null

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() {
  echo "ok: $*"
}

# Installed files, and nothing a user does not run.
desktop_entry=/usr/share/applications/trivelon.desktop
metainfo=/usr/share/metainfo/trivelon.metainfo.xml
for file in /usr/bin/trivelon /usr/bin/trivelon-cli $desktop_entry $metainfo \
            /usr/share/icons/hicolor/32x32/apps/trivelon.png /usr/share/doc/trivelon/LICENSE; do
  [ -f "$file" ] || fail "missing $file"
done
for program in /usr/bin/trivelon /usr/bin/trivelon-cli; do
  [ -x "$program" ] || fail "$program is not executable"
done
if dpkg -L trivelon | grep -Ei 'test|bench'; then fail "tests or benchmarks are installed"; fi
fields=$(dpkg-query -W -f='${Version} ${Section} ${Depends}' trivelon)
grep -q '^0\.5\.0\.4 games .*fonts-liberation, fonts-dejavu-core' <<<"$fields" || fail "package fields: $fields"
grep -q 'libqt6widgets6' <<<"$fields" || fail "Qt dependency not declared: $fields"
pass "installed files and package fields"

# Both validators say nothing at all: no hint, no warning, no pedantic note.
report=$(desktop-file-validate "$desktop_entry" 2>&1) || fail "desktop entry not valid: $report"
[ -z "$report" ] || fail "desktop entry: $report"
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "AppStream metadata not valid: $report"
if grep -q '^[EWIP]: ' <<<"$report"; then fail "AppStream metadata: $report"; fi
pass "desktop entry and AppStream metadata validate"

# The desktop entry's working folder holds every run-time picture.
data_folder=$(sed -n 's/^Path=//p' "$desktop_entry")
if [ "$data_folder" != /usr/share/trivelon ] || [ ! -d "$data_folder" ]; then
  fail "desktop entry Path=$data_folder"
  exit 1
fi
grep -qx 'Exec=trivelon' "$desktop_entry" || fail "desktop entry Exec="
[ "$(command -v trivelon)" = /usr/bin/trivelon ] || fail "trivelon is not found on PATH"
if ! diff <(cd images && find . -type f | sort) <(cd "$data_folder/images" && find . -type f | sort); then
  fail "installed pictures differ from images/"
fi
pass "Path=$data_folder holds the $(find "$data_folder/images" -type f | wc -l) pictures of images/"

# The command-line tool, and the pictures its answer names, from that folder.
cd "$data_folder"
if forge=$(/usr/bin/trivelon-cli forge Knife) && grep -q '"caption": "Knife"' <<<"$forge"; then
  pass "trivelon-cli forge Knife"
else
  fail "trivelon-cli forge Knife: $forge"
fi
named_pictures=$(grep -o '"images/[^"]*"' <<<"$forge" | tr -d '"' || true)
[ -n "$named_pictures" ] || fail "trivelon-cli forge Knife names no pictures"
for picture in $named_pictures; do
  [ -f "$picture" ] || fail "trivelon-cli names $picture, which is not installed"
done

# The desktop program starts offscreen there, shows and paints its main
# window, and quits by itself.
status=0
QT_QPA_PLATFORM=offscreen TRIVELON_QUIT_AFTER_START=1 timeout 20 trivelon || status=$?
if [ "$status" -eq 0 ]; then
  pass "trivelon starts in $data_folder and quits after its first paint"
else
  fail "trivelon start exit status $status (124: no quit within 20 seconds)"
fi
cd "$repo"

remove_package
trap - EXIT
status_after=$(dpkg-query -W -f='${Status}' trivelon 2>/dev/null || true)
[ "$status_after" != "install ok installed" ] || fail "package still installed"
[ ! -e /usr/bin/trivelon ] || fail "/usr/bin/trivelon left behind"
pass "package removed"

if [ "$failures" -ne 0 ]; then
  echo "package-test: $failures check(s) failed" >&2
  exit 1
fi
echo "package-test: all checks passed"

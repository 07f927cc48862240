#!/usr/bin/env bash
# Makes the ru_RU.UTF-8 locale, whose decimal separator is a comma, when it is
# missing, so that the tests that run the core in a comma locale do not skip.
# Uses sudo when not run as root.
set -euo pipefail
cd "$(dirname "$0")/.."

if locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; then exit 0; fi
scripts/install-deps.sh locales
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Making the locale ru_RU.UTF-8"
"${as_root[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8

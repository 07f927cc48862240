#!/usr/bin/env bash
# Installs what is missing, builds Тривелон and starts it from the folder that
# holds images/, where it looks for its pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target trivelon
exec ./build/src/app/trivelon

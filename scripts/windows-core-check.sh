#!/usr/bin/env bash
# The catalogue, the core, the picture-file calls, the console output and
# their tests built for 64-bit Windows with MinGW-w64, without Qt, and run
# under Wine through CTest's emulator, in a virtual X display, where the
# console test's console has a screen to read back.
#
#   scripts/windows-core-check.sh [BUILD_FOLDER]   (default: build-windows-core)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$repo/build-windows-core}")
toolchain="$repo/cmake/toolchains/mingw-w64-x86_64.cmake"
source "$repo/scripts/wine-env.sh"
source "$repo/scripts/windows-build-deps.sh"
"$repo/scripts/install-deps.sh" xvfb
wine_display 1024x768 "$build"
wine_env "$build/wine"
trap 'wine_end; wine_display_end' EXIT

gtest_dir=$(windows_gtest "$build" "$toolchain")
boost_include=$(windows_boost_include "$build")
# Linked statically: the tests need no MinGW runtime DLLs beside them.
cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTRIVELON_CORE_ONLY=ON -DGTest_DIR="$gtest_dir" \
  -DBoost_NO_BOOST_CMAKE=ON -DBoost_INCLUDE_DIR="$boost_include" -DCMAKE_EXE_LINKER_FLAGS=-static >/dev/null
export WINE_RUN_RESTARTS="$build/wine-restarts.txt"
rm -f "$WINE_RUN_RESTARTS"
cmake --build "$build"
status=0
ctest --test-dir "$build" --output-on-failure --parallel 2 || status=$?
if [ -s "$WINE_RUN_RESTARTS" ]; then
  echo "Wine ended $(wc -l <"$WINE_RUN_RESTARTS") program(s) before they ran, each started again:"
  cat "$WINE_RUN_RESTARTS"
fi
exit "$status"

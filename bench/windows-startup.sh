#!/usr/bin/env bash
# Start-up of the Windows program under Wine against the toolkit's floor built
# the same way (bench/startup_floor.cpp with the same static Qt): both quit
# after their first paint (TRIVELON_QUIT_AFTER_START=1) and are started in
# turn, run for run, in a virtual X display, from the repository folder where
# images/ is. Prints each one's median in milliseconds and the ratio.
#
#   bench/windows-startup.sh [RUNS]     (default 30; after scripts/build-windows.sh)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-30}
cache=${TRIVELON_CACHE:-$HOME/.cache/trivelon}
source "$repo/scripts/windows-qt.sh"
source "$repo/scripts/wine-env.sh"
windows_qt_find "$cache" || { echo "no Windows Qt in $cache: run scripts/build-windows.sh first" >&2; exit 2; }
program="$repo/build-windows/src/app/trivelon.exe"
[ -f "$program" ] || { echo "missing $program: run scripts/build-windows.sh first" >&2; exit 2; }
"$repo/scripts/install-deps.sh" wine wine64 xvfb python3

# The floor as a project of its own, so that the Windows build needs no
# benchmark library.
work="$repo/build-windows/startup"
mkdir -p "$work/project"
cat >"$work/project/CMakeLists.txt" <<EOF
cmake_minimum_required(VERSION 3.25)
project(startup_floor CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(startup_floor WIN32 "$repo/bench/startup_floor.cpp" "$repo/src/app/start_probe.cpp")
target_include_directories(startup_floor PRIVATE "$repo/src/app")
target_link_libraries(startup_floor PRIVATE Qt6::Widgets)
EOF
"$WINDOWS_QT_PREFIX/bin/qt-cmake" -S "$work/project" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repo/cmake/toolchains/mingw-w64-x86_64.cmake" \
  -DCMAKE_EXE_LINKER_FLAGS=-static >/dev/null
cmake --build "$work/build" >/dev/null
floor="$work/build/startup_floor.exe"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
wine_env "$work/wine"
trap 'wine_end; kill $xvfb 2>/dev/null' EXIT

cd "$repo"
TRIVELON_QUIT_AFTER_START=1 python3 - "$runs" "$program" "$floor" <<'EOF'
import statistics, subprocess, sys, time
runs, program, floor = int(sys.argv[1]), sys.argv[2], sys.argv[3]
def start(exe):
    began = time.perf_counter()
    subprocess.run(["wine", exe], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return (time.perf_counter() - began) * 1000
for exe in (program, floor):  # warm-up: Wine's own first start of each
    start(exe)
times = {program: [], floor: []}
for _ in range(runs):
    for exe in (program, floor):
        times[exe].append(start(exe))
p, f = statistics.median(times[program]), statistics.median(times[floor])
print(f"trivelon.exe {p:.1f} ms, startup_floor.exe {f:.1f} ms (medians of {runs} runs in turn under Wine), ratio {p / f:.2f}")
EOF

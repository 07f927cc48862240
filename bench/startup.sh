#!/usr/bin/env bash
# Start-up time and peak memory of the program against the toolkit's floor
# (bench/startup_floor.cpp: an empty window of the same size and tabs).
# Both quit after their first paint (TRIVELON_QUIT_AFTER_START=1). Timed with
# hyperfine offscreen and under a virtual X display; the peak resident set
# size is read with GNU time. Prints the medians, the peaks and the ratios
# program / floor beside the target, and keeps hyperfine's JSON in
# build-bench/startup/. Each environment is also measured with the two
# programs alternating run for run (bench/startup_alternating.py), which a
# drift in the machine's speed cannot push to one side.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly target=1.3
readonly memory_runs=5
readonly program=build-bench/src/app/trivelon
readonly floor=build-bench/bench/startup_floor
readonly out=build-bench/startup

# The program reads images/ from the working directory: run both from here.
export TRIVELON_QUIT_AFTER_START=1

# hyperfine's median of one command in its JSON export, in milliseconds.
median_ms() {
  awk -v name="$2" '
    /"command":/ { current = ($0 ~ "\"" name "\"") }
    current && /"median":/ { gsub(/[^0-9.eE+-]/, "", $2); printf "%.1f", $2 * 1000; exit }
  ' "$1"
}

# The median over a few runs of the peak resident set size, in KiB; the
# platform comes from the caller's environment.
peak_rss_kib() {
  local i peaks=()
  for ((i = 0; i < memory_runs; i++)); do
    peaks+=("$(/usr/bin/time -f %M "$1" 2>&1 >/dev/null | tail -n 1)")
  done
  printf '%s\n' "${peaks[@]}" | sort -n | sed -n "$(((memory_runs + 1) / 2))p"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v t="$target" 'BEGIN { print (r <= t ? "met" : "missed") }'; }

# Times and peaks in the current environment (platform and display), one
# line each with the ratio program / floor.
measure() {
  local name=$1 json=$out/$1.json
  hyperfine -N --warmup 3 --runs 30 --style basic --export-json "$json" \
    -n trivelon "$program" -n startup_floor "$floor" >&2
  local program_ms floor_ms program_kib floor_kib time_ratio memory_ratio
  program_ms=$(median_ms "$json" trivelon)
  floor_ms=$(median_ms "$json" startup_floor)
  program_kib=$(peak_rss_kib "$program")
  floor_kib=$(peak_rss_kib "$floor")
  time_ratio=$(ratio "$program_ms" "$floor_ms")
  memory_ratio=$(ratio "$program_kib" "$floor_kib")
  printf '%-9s start-up median: trivelon %s ms, floor %s ms, ratio %s (target <= %s: %s)\n' \
    "$name" "$program_ms" "$floor_ms" "$time_ratio" "$target" "$(verdict "$time_ratio")"
  printf '%-9s peak memory:     trivelon %s KiB, floor %s KiB, ratio %s (target <= %s: %s)\n' \
    "$name" "$program_kib" "$floor_kib" "$memory_ratio" "$target" "$(verdict "$memory_ratio")"
  bench/startup_alternating.py 80 "$name"
}

# Called again by itself inside each environment.
if [ "${1:-}" = --measure ]; then
  measure "$2"
  exit
fi

scripts/install-deps.sh hyperfine xvfb xauth time python3
cmake --preset bench >/dev/null
cmake --build --preset bench
mkdir -p "$out"
env QT_QPA_PLATFORM=offscreen "$0" --measure offscreen
# The virtual display is wrapped around the whole measurement.
xvfb-run -a env QT_QPA_PLATFORM=xcb "$0" --measure xvfb

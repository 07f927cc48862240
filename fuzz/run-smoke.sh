#!/usr/bin/env bash
# Fuzz smoke run: builds the fuzz preset, runs every libFuzzer target for
# SECONDS seconds (default 60) on a copy of its seed corpus and prints each
# target's number of executions. Fails when any target finds a crash, a
# sanitizer report, a broken rule, a time-out or memory exhaustion; the input
# that did it is kept in build-fuzz/smoke/<target>/.
set -euo pipefail
seconds="${1:-60}"
cd "$(dirname "$0")/.."
root="$PWD"

scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz
cmake --build --preset fuzz

# Absolute paths throughout: the picture target changes its working directory.
smoke="$root/build-fuzz/smoke"
rm -rf "$smoke"
failed=()
for seeds in "$root"/fuzz/corpus/*/; do
  target="$(basename "$seeds")"
  dir="$smoke/$target"
  mkdir -p "$dir/corpus"
  cp -R "$seeds." "$dir/corpus/"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$dir/")
  dictionary="$root/fuzz/${target#fuzz_}.dict"
  [ -f "$dictionary" ] && options+=(-dict="$dictionary")

  status="no findings"
  if ! "$root/build-fuzz/fuzz/$target" "${options[@]}" "$dir/corpus" >"$dir/log" 2>&1; then
    status="FINDING, see $dir/log"
    failed+=("$target")
    tail -n 40 "$dir/log" >&2
  fi
  executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log")"
  printf '%-22s %12s executions  %s\n' "$target" "${executions:-?}" "$status"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz targets with findings: ${failed[*]}" >&2
  exit 1
fi

#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every C++ source under
# src/ that the build compiles, with that build's compile commands (default:
# build/, made by `cmake --preset default`). Any finding fails the run.
#
#   scripts/clang-tidy.sh [BUILD_DIR] [FILE_REGEX]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
files=${2:-"^$PWD/src/"}
if [[ ! -f "$build/compile_commands.json" ]]; then
    echo "clang-tidy.sh: $build/compile_commands.json is missing; run 'cmake --preset default' first" >&2
    exit 2
fi
scripts/install-deps.sh clang-tidy
# The compile commands are GCC's; clang-tidy's own compiler skips the warning
# options it does not know.
run-clang-tidy -p "$build" -quiet -j "$(nproc)" -extra-arg=-Wno-unknown-warning-option "$files"

#!/usr/bin/env bash
# The catalogue, the core and trivelon-cli built for 64-bit ARM Linux against
# Debian's arm64 packages and run under qemu-user, where long double is a
# 128-bit quad: the core tests run there; the CLI tests of the native build
# run the ARM trivelon-cli (under qemu-user, Qt cannot start a program, so the
# ARM build of those tests could not); and the command-line corpus
# (scripts/cli-corpus.sh) must give the native trivelon-cli's output byte for
# byte.
#
#   scripts/arm64-check.sh [NATIVE_BUILD [ARM_BUILD]]   (default: build, build-arm64)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
native=$(realpath "${1:-$repo/build}")
build=$(realpath -m "${2:-$repo/build-arm64}")
native_cli="$native/src/cli/trivelon-cli"
for needed in "$native_cli" "$native/tests/cli/cli_tests"; do
  [ -x "$needed" ] || { echo "missing $needed: build the native tree first" >&2; exit 2; }
done
emulator=(qemu-aarch64 -L /usr/aarch64-linux-gnu)

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchains/aarch64-linux-gnu.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIVELON_BUILD_GUI=OFF >/dev/null
# The ARM build of the CLI tests is left out (CTest lists it as not built).
cmake --build "$build" --target core_tests rules_file_test trivelon-cli
ctest --test-dir "$build" --output-on-failure --parallel 2 --exclude-regex '^(Cli|cli_tests)'
TRIVELON_CLI_COMMAND="${emulator[*]} \"$build/src/cli/trivelon-cli\"" "$native/tests/cli/cli_tests" --gtest_brief=1

"$repo/scripts/cli-corpus.sh" "$native_cli" >"$build/cli-corpus.tsv"
"$repo/scripts/cli-corpus-run.sh" "$build/cli-corpus.tsv" "$native_cli" >"$build/cli-corpus-native.txt"
"$repo/scripts/cli-corpus-run.sh" "$build/cli-corpus.tsv" "${emulator[@]}" "$build/src/cli/trivelon-cli" \
  >"$build/cli-corpus-arm64.txt"
requests=$(wc -l <"$build/cli-corpus.tsv")
if cmp -s "$build/cli-corpus-native.txt" "$build/cli-corpus-arm64.txt"; then
  echo "arm64 trivelon-cli: $requests requests, output identical to the native build's"
else
  diff "$build/cli-corpus-native.txt" "$build/cli-corpus-arm64.txt" | head -40
  echo "arm64 trivelon-cli: $requests requests, output differs from the native build's" >&2
  exit 1
fi

#!/usr/bin/env bash
# The catalogue, the core, trivelon-cli and their tests built for 64-bit ARM
# Linux against Debian's arm64 packages and run under qemu-user, where long
# double is a 128-bit quad; then the command-line corpus (scripts/cli-corpus.sh)
# through the ARM trivelon-cli and a native one, whose outputs must be the same
# byte for byte.
#
#   scripts/arm64-check.sh NATIVE_CLI [BUILD_FOLDER]   (default: build-arm64)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
native_cli=$(realpath "${1:?usage: $0 NATIVE_CLI [BUILD_FOLDER]}")
build=$(realpath -m "${2:-$repo/build-arm64}")

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchains/aarch64-linux-gnu.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRIVELON_BUILD_GUI=OFF >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure

"$repo/scripts/cli-corpus.sh" "$native_cli" >"$build/cli-corpus.tsv"
"$repo/scripts/cli-corpus-run.sh" "$build/cli-corpus.tsv" "$native_cli" >"$build/cli-corpus-native.txt"
"$repo/scripts/cli-corpus-run.sh" "$build/cli-corpus.tsv" qemu-aarch64 -L /usr/aarch64-linux-gnu \
  "$build/src/cli/trivelon-cli" >"$build/cli-corpus-arm64.txt"
requests=$(wc -l <"$build/cli-corpus.tsv")
if cmp -s "$build/cli-corpus-native.txt" "$build/cli-corpus-arm64.txt"; then
  echo "arm64 trivelon-cli: $requests requests, output identical to the native build's"
else
  diff "$build/cli-corpus-native.txt" "$build/cli-corpus-arm64.txt" | head -40
  echo "arm64 trivelon-cli: $requests requests, output differs from the native build's" >&2
  exit 1
fi

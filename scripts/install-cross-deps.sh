#!/usr/bin/env bash
# Installs what the cross builds and their runs need: MinGW-w64 and Wine for
# Windows, the aarch64 compiler, qemu-user and Debian's arm64 libraries (beside
# the amd64 ones) for 64-bit ARM. Uses sudo when not run as root.
set -euo pipefail
cd "$(dirname "$0")/.."

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx arm64; then
  "${as_root[@]}" dpkg --add-architecture arm64
  "${as_root[@]}" apt-get update -qq
fi
scripts/install-deps.sh \
  g++-mingw-w64-x86-64-posix googletest wine wine64 \
  g++-aarch64-linux-gnu qemu-user qt6-base-dev:arm64 libgtest-dev:arm64 libjpeg-dev:arm64 "$@"

#!/usr/bin/env bash
# Builds the Windows x86-64 programs on Debian with MinGW-w64: a static Qt made
# from Debian's own qt6-base source (built once, then kept in a cache folder),
# then trivelon.exe and trivelon-cli.exe, linked statically so that they need
# no DLL, and from them dist/trivelon-VERSION-windows-x86_64.zip and the NSIS
# installer dist/trivelon-VERSION-setup.exe.
#
#   scripts/build-windows.sh [--qt-only | --has-qt] [--jobs N]
#
# --qt-only   build (or find) the cached Qt and stop
# --has-qt    exit 0 when the cache holds a whole Qt, 1 when not; builds nothing
# --jobs N    parallel compile jobs (default: the number of processors)
# TRIVELON_CACHE  the cache folder (default: ~/.cache/trivelon)
# The build folder is build-windows/; the Windows tests built there run under
# Wine in scripts/windows-smoke.sh.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

mode=all
jobs=$(nproc)
while [ $# -gt 0 ]; do
  case "$1" in
    --qt-only) mode=qt ;;
    --has-qt) mode=check ;;
    --jobs) jobs=${2:?--jobs needs a number}; shift ;;
    *) echo "usage: $0 [--qt-only | --has-qt] [--jobs N]" >&2; exit 2 ;;
  esac
  shift
done
cache=${TRIVELON_CACHE:-$HOME/.cache/trivelon}
source "$repo/scripts/windows-qt.sh"

if [ "$mode" = check ]; then
  command -v dpkg-query >/dev/null && dpkg-query -W qt6-base-dev-tools >/dev/null 2>&1 || exit 1
  windows_qt_find "$cache"
  exit
fi

"$repo/scripts/install-deps.sh" g++-mingw-w64-x86-64-posix dpkg-dev xz-utils googletest nsis zip
windows_qt_ensure "$repo" "$cache" "$jobs"
echo "Windows Qt: $WINDOWS_QT_PREFIX"
[ "$mode" = qt ] && exit 0

source "$repo/scripts/windows-build-deps.sh"
build="$repo/build-windows"
toolchain="$repo/cmake/toolchains/mingw-w64-x86_64.cmake"
version=$(sed -n 's/^project(Trivelon VERSION \([0-9.]*\) .*/\1/p' "$repo/CMakeLists.txt")

# libjpeg is Qt's bundled copy: its library from the Qt build, its headers
# from the same source.
jpeg_source="$(windows_qt_source "$cache")/src/3rdparty/libjpeg/src"
gtest_dir=$(windows_gtest "$build" "$toolchain")
boost_include=$(windows_boost_include "$build")

# qt-cmake names Qt's own toolchain file, which loads the project's MinGW-w64
# one; -static links the C and C++ runtimes and winpthreads into each .exe.
# The resources are compiled by the host's rcc, which would compress them with
# zstd; this Qt has no zstd to read them with. The tests are listed when
# they are run (scripts/windows-smoke.sh, under Wine), not after each link.
"$WINDOWS_QT_PREFIX/bin/qt-cmake" -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DCMAKE_EXE_LINKER_FLAGS=-static -DCMAKE_AUTORCC_OPTIONS=--no-zstd \
  -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
  -DJPEG_INCLUDE_DIR="$jpeg_source" -DJPEG_LIBRARY="$WINDOWS_QT_PREFIX/lib/libQt6BundledLibjpeg.a" \
  -DBoost_NO_BOOST_CMAKE=ON -DBoost_INCLUDE_DIR="$boost_include" -DGTest_DIR="$gtest_dir" >/dev/null
cmake --build "$build" --parallel "$jobs"

# The package's folder: both programs, the pictures, the licence and the
# README, with Windows line ends in the texts.
stage="$build/package/trivelon-$version"
rm -rf "$build/package"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/trivelon.exe" "$build/src/app/trivelon.exe"
x86_64-w64-mingw32-strip -o "$stage/trivelon-cli.exe" "$build/src/cli/trivelon-cli.exe"
cp -r "$repo/images" "$stage/images"
sed 's/$/\r/' "$repo/LICENSE" >"$stage/LICENSE.txt"
sed 's/$/\r/' "$repo/resources/windows/README.txt" >"$stage/README.txt"

# Nothing but Windows' own DLLs may be imported: a double click must start it.
windows_dlls=" kernel32 user32 gdi32 advapi32 shell32 ole32 oleaut32 comdlg32 comctl32 winmm imm32 ws2_32 dwmapi
  uxtheme version shlwapi setupapi netapi32 userenv mpr wtsapi32 authz ntdll msvcrt winspool crypt32 bcrypt
  secur32 dwrite d2d1 d3d9 d3d11 dxgi shcore "
for program in "$stage"/*.exe; do
  foreign=()
  for dll in $(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z'); do
    case "$windows_dlls" in
      *[[:space:]]"${dll%.dll}"[[:space:]]*) ;;
      *) [[ "$dll" == api-ms-win-* ]] || foreign+=("$dll") ;;
    esac
  done
  if [ ${#foreign[@]} -gt 0 ]; then
    echo "$(basename "$program") imports DLLs that Windows lacks: ${foreign[*]}" >&2
    exit 1
  fi
done

mkdir -p "$repo/dist"
zip_file="$repo/dist/trivelon-$version-windows-x86_64.zip"
setup_file="$repo/dist/trivelon-$version-setup.exe"
rm -f "$zip_file" "$setup_file"
(cd "$build/package" && zip -q -r -9 "$zip_file" "trivelon-$version")
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
  -DICON="$repo/resources/pictures/icon.ico" -DSIDE="$repo/resources/windows/installer_side.bmp" -DOUTFILE="$setup_file" "$repo/resources/windows/installer.nsi"
echo "Windows package: $zip_file ($(stat -c %s "$zip_file") bytes), $setup_file ($(stat -c %s "$setup_file") bytes)"

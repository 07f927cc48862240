# shellcheck shell=bash
# The static Windows Qt in the cache folder: sourced by the Windows scripts.
#
# windows_qt_ensure REPO CACHE JOBS builds it when the cache has no whole copy
# and sets WINDOWS_QT_PREFIX; windows_qt_find CACHE only looks and returns
# non-zero when there is none. A copy is whole when its stamp file holds the
# same Qt version and configure options as asked for now: one built from other
# options, or cut short before its rename, is never used.

# The Qt version is that of the host tools (qt6-base-dev-tools), which the cross
# build runs and which must match the source exactly.
windows_qt_version() {
  dpkg-query -W -f='${Version}' qt6-base-dev-tools
}

# Only what the program uses: Core, Gui, Widgets and the Windows platform
# plugin, with Qt's own copies of the image, text and compression libraries.
# Debian's source leaves out the Wintab header, hence no tablet events. Without
# Vulkan: the host's Vulkan headers would be found and put /usr/include, with
# the host's C library, on the Windows include path.
windows_qt_options=(
  -static -release
  -qt-host-path /usr -platform linux-g++ -xplatform win32-g++
  -device-option CROSS_COMPILE=x86_64-w64-mingw32-
  -nomake examples -nomake tests
  -no-opengl -no-feature-sql -no-feature-network -no-feature-dbus -no-feature-printsupport
  -no-feature-concurrent -no-feature-testlib -no-feature-tabletevent -no-feature-vulkan
  -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype
)

windows_qt_stamp_text() {
  printf 'qt6-base %s\n%s\n' "$(windows_qt_version)" "${windows_qt_options[*]}"
}

windows_qt_name() {
  local hash
  hash=$(windows_qt_stamp_text | sha256sum | cut -c1-12)
  echo "qt-$(windows_qt_version)-windows-x86_64-static-$hash"
}

windows_qt_is_whole() {
  local prefix=$1
  [ -f "$prefix/trivelon-qt-stamp.txt" ] &&
    [ "$(cat "$prefix/trivelon-qt-stamp.txt")" = "$(windows_qt_stamp_text)" ] &&
    [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ] &&
    [ -f "$prefix/lib/libQt6Widgets.a" ] &&
    [ -f "$prefix/plugins/platforms/libqwindows.a" ] &&
    [ -x "$prefix/bin/qt-cmake" ]
}

windows_qt_find() {
  local cache=$1
  WINDOWS_QT_PREFIX="$cache/$(windows_qt_name)"
  windows_qt_is_whole "$WINDOWS_QT_PREFIX"
}

# Debian's qt6-base source of the host tools' version, fetched with deb-src
# entries added to a private copy of the APT sources, so the machine's own
# configuration stays as it is. Unpacked once into CACHE/src.
windows_qt_source() {
  local cache=$1 version source_dir apt_dir
  version=$(windows_qt_version)
  source_dir="$cache/src/qt6-base-$version"
  if [ -f "$source_dir/.trivelon-unpacked" ]; then
    echo "$source_dir"
    return
  fi
  rm -rf "$source_dir" "$cache/src/download"
  mkdir -p "$cache/src/download"
  apt_dir=$(mktemp -d)
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/parts"
  {
    for file in /etc/apt/sources.list.d/*.sources; do
      [ -f "$file" ] && sed 's/^Types:.*$/Types: deb-src/' "$file" && echo
    done
  } >"$apt_dir/parts/deb-src.sources"
  if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list >"$apt_dir/parts/deb-src.list"
  fi
  local apt_options=(
    -o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$apt_dir/parts"
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
  )
  apt-get "${apt_options[@]}" update -qq >&2
  (cd "$cache/src/download" && apt-get "${apt_options[@]}" source -qq "qt6-base=$version" >&2)
  rm -rf "$apt_dir"
  mv "$cache/src/download/qt6-base-"*/ "$source_dir"
  rm -rf "$cache/src/download"
  touch "$source_dir/.trivelon-unpacked"
  echo "$source_dir"
}

# Builds into a temporary folder and installs under a temporary name beside
# the final one, renamed only when the install is whole. A build cut short
# (the machine stopped, the session ended) goes on where it stopped when its
# configuration was for the same Qt and options; ninja compiles again what
# was being compiled.
windows_qt_build() {
  local repo=$1 cache=$2 jobs=$3 source_dir name prefix work
  name=$(windows_qt_name)
  prefix="$cache/$name"
  source_dir=$(windows_qt_source "$cache")
  work="$cache/$name.building"
  rm -rf "$prefix" "$work/stage"
  if [ -f "$work/configured.txt" ] && [ "$(cat "$work/configured.txt")" = "$(windows_qt_stamp_text)" ]; then
    echo "Going on with the Windows Qt build in $work"
  else
    rm -rf "$work"
    mkdir -p "$work/build"
    # A copy of the toolchain file, since the repository's path may hold
    # spaces that Qt's configure script does not quote. Projects name the
    # toolchain again (QT_CHAINLOAD_TOOLCHAIN_FILE): this copy goes with the
    # build folder.
    cp "$repo/cmake/toolchains/mingw-w64-x86_64.cmake" "$work/toolchain.cmake"
    echo "Building the Windows Qt from $source_dir into $prefix (about 1,100 compile steps)"
    (
      cd "$work/build"
      "$source_dir/configure" -prefix "$prefix" "${windows_qt_options[@]}" -- \
        -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    ) || return 1
    windows_qt_stamp_text >"$work/configured.txt"
  fi
  cmake --build "$work/build" --parallel "$jobs" || return 1
  DESTDIR="$work/stage" cmake --install "$work/build" >/dev/null || return 1
  windows_qt_stamp_text >"$work/stage$prefix/trivelon-qt-stamp.txt"
  mv "$work/stage$prefix" "$prefix"
  rm -rf "$work"
}

# Two builds at once (two checkouts, CI beside a developer) take turns: the
# second finds the first one's Qt whole when its turn comes.
windows_qt_ensure() {
  local repo=$1 cache=$2 jobs=$3
  windows_qt_find "$cache" && return 0
  mkdir -p "$cache"
  (
    flock 9
    windows_qt_find "$cache" && exit 0
    [ ! -e "$WINDOWS_QT_PREFIX" ] || echo "The cached Qt in $WINDOWS_QT_PREFIX is not whole: building it again"
    windows_qt_build "$repo" "$cache" "$jobs"
  ) 9>"$WINDOWS_QT_PREFIX.lock" || return 1
  windows_qt_is_whole "$WINDOWS_QT_PREFIX"
}

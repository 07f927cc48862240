# shellcheck shell=bash
# What Windows builds take from Debian besides the compiler: sourced, not run.

# GoogleTest from Debian's source (package googletest), built with MinGW-w64
# once per build folder; prints the folder of its CMake package.
windows_gtest() {
  local build=$1 toolchain=$2 gtest="$1/googletest"
  if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest/install" >&2
    cmake --build "$gtest/build" >&2
    cmake --install "$gtest/build" >/dev/null
  fi
  echo "$gtest/install/lib/cmake/GTest"
}

# Boost's headers are Debian's own (libboost-dev), seen through a folder that
# holds nothing else, so that the host's C library headers stay out of the
# Windows build; prints that folder.
windows_boost_include() {
  local build=$1
  mkdir -p "$build/boost-include"
  ln -sfn /usr/include/boost "$build/boost-include/boost"
  echo "$build/boost-include"
}

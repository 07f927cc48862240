# Cross-compiling for 64-bit Windows with Debian's MinGW-w64, in its posix
# thread model, which std::thread and Qt need. Programs built with it run
# under Wine when Wine is installed, so CTest runs the tests there, through
# scripts/wine-run.sh, which starts again a program that Wine ended before it
# ran.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

find_program(TRIVELON_WINE NAMES wine)
if(TRIVELON_WINE)
  get_filename_component(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine-run.sh" ABSOLUTE)
endif()

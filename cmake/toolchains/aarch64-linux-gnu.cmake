# Cross-compiling for 64-bit ARM Linux with Debian's aarch64 compiler against
# the arm64 packages installed beside the amd64 ones (multiarch). Programs
# built here run under qemu-user, so CTest can run the tests; Qt's code
# generators are the host's own (QT_HOST_PATH).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64;-L;/usr/aarch64-linux-gnu)
set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools")
# Debian keeps the host's Qt packages under its multiarch folder, which Qt's
# own look-up in QT_HOST_PATH does not search: the translation tools are
# named where they are.
set(Qt6LinguistTools_DIR /usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools CACHE PATH "Qt's host translation tools")

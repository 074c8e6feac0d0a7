# Cross-builds the programs for Linux on 64-bit ARM with Debian's cross
# compiler (g++-aarch64-linux-gnu):
#   cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake
# Libraries come from Debian's arm64 packages installed beside the native
# ones (dpkg --add-architecture arm64), found by their multiarch folder
# /usr/lib/aarch64-linux-gnu. Tests run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

# Under qemu-user the ARM64 loader and C library come from the cross
# compiler's folder, the one the programs were linked against, whether or not
# the arm64 C library package is installed too; the loader and the C library
# must be the same build (a mixed pair hangs a forked child). The other
# libraries come from the multiarch folders.
find_program(QEMU_AARCH64_PROGRAM qemu-aarch64)
if(QEMU_AARCH64_PROGRAM)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    ${QEMU_AARCH64_PROGRAM} -L /usr/aarch64-linux-gnu -E LD_LIBRARY_PATH=/usr/aarch64-linux-gnu/lib)
endif()

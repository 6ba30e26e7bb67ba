# Cross-builds the core, varnel-calc and their tests for 64-bit ARM Linux (a
# Raspberry Pi's 64-bit system) with Debian's cross compiler, and runs what
# it builds under qemu-user, as the Windows build runs under Wine.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

find_program(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++ REQUIRED
             DOC "The aarch64 C++ cross compiler (Debian: g++-aarch64-linux-gnu)")
set(VARNEL_AARCH64_SYSROOT /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH "${VARNEL_AARCH64_SYSROOT}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -L: the cross libraries' folder stands in for the root, so the programs
# find their dynamic loader and C library without an arm64 system around them.
find_program(VARNEL_QEMU_AARCH64 qemu-aarch64 REQUIRED DOC "qemu-user, to run the aarch64 tests (Debian: qemu-user)")
set(CMAKE_CROSSCOMPILING_EMULATOR "${VARNEL_QEMU_AARCH64};-L;${VARNEL_AARCH64_SYSROOT}")

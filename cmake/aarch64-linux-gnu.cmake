# Cross-builds for 64-bit ARM Linux (a Raspberry Pi's 64-bit system) with
# Debian's cross compiler. Without the window program (VARNEL_BUILD_GUI OFF)
# only the cross compiler's own libraries are needed, and the tests run
# under qemu-user, as the Windows build runs under Wine. With it, Qt comes
# from Debian's arm64 packages through multiarch (qt6-base-dev:arm64 and
# qt6-svg-dev:arm64, in /usr/lib/aarch64-linux-gnu), while moc, rcc and uic
# are this machine's own.
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

find_program(VARNEL_QEMU_AARCH64 qemu-aarch64 REQUIRED DOC "qemu-user, to run the aarch64 tests (Debian: qemu-user)")
if(DEFINED VARNEL_BUILD_GUI AND NOT VARNEL_BUILD_GUI)
    # -L: the cross libraries' folder stands in for the root, so the programs
    # find their dynamic loader and C library without an arm64 system
    # around them.
    set(CMAKE_CROSSCOMPILING_EMULATOR "${VARNEL_QEMU_AARCH64};-L;${VARNEL_AARCH64_SYSROOT}")
else()
    # Multiarch: the arm64 libraries and their CMake files sit beside this
    # machine's, in the folders named after the triplet, under the real root.
    set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
    list(APPEND CMAKE_FIND_ROOT_PATH /)
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR "/usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake")
    # Debian's arm64 loader and libraries are installed, so the programs run
    # against them as on a Pi.
    set(CMAKE_CROSSCOMPILING_EMULATOR "${VARNEL_QEMU_AARCH64};-L;/")
endif()

# Cross-builds the core and varnel-calc for 64-bit Windows with Debian's
# MinGW-w64 (POSIX threads variant, for std::thread), and runs what it builds
# under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

find_program(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix REQUIRED
             DOC "MinGW-w64 C++ compiler (Debian: g++-mingw-w64-x86-64-posix)")
find_program(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A static runtime: the programs run on a bare Windows without MinGW's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine runs the tests; the release files are made without it.
find_program(VARNEL_WINE wine DOC "Wine, to run the Windows tests (Debian: wine, wine64)")
find_program(VARNEL_WINESERVER wineserver DOC "Wine's server, which the Windows tests start and stop (Debian: wine)")
if(VARNEL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${VARNEL_WINE}")
endif()

# Cross build for 64-bit Windows with mingw-w64 (posix thread model), run under Wine.
#
# The posix flavour of the compilers is the one with std::thread and friends; the
# win32 flavour lacks them in this compiler generation.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VRN3_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${VRN3_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VRN3_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VRN3_MINGW_TRIPLE}-windres)

# Headers and libraries come from the mingw sysroot only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VRN3_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CTest prefixes every test command with this, so the Windows test programs run
# under Wine. The absolute path keeps a wine elsewhere on PATH out of the way.
find_program(VRN3_WINE_PROGRAM NAMES wine PATHS /usr/bin NO_CMAKE_FIND_ROOT_PATH)
if(VRN3_WINE_PROGRAM)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VRN3_WINE_PROGRAM})
else()
    set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/wine)
endif()

# Cross-builds the Qt-free core and its tests as 64-bit Windows programs with MinGW-w64 on
# Debian, and runs them under Wine: `make test-windows`. The programs are linked statically,
# so they need no MinGW DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(hygrovia_mingw x86_64-w64-mingw32)
# The posix flavour carries std::thread and std::mutex, which the win32 flavour of GCC 12 lacks.
set(CMAKE_C_COMPILER ${hygrovia_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${hygrovia_mingw}-g++-posix)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Libraries and headers come from the MinGW tree only, never from the host's /usr.
set(CMAKE_FIND_ROOT_PATH /usr/${hygrovia_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine without a display, quiet, in a prefix of its own inside the build tree; the Mono and
# Gecko installers it would offer on first start are not needed by console programs.
find_program(HYGROVIA_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine)
if(HYGROVIA_WINE)
  set(HYGROVIA_WINE_RUN
    ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
    WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
    ${HYGROVIA_WINE})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${HYGROVIA_WINE_RUN})
endif()

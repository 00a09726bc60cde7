# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers, posix threads variant
# (std::thread needs it): g++-mingw-w64-x86-64-posix. scripts/check-windows uses it:
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/x86_64-w64-mingw32.cmake
#
# Programs are linked statically, so kavro-tool.exe and the test programs run on their own,
# under Wine or on Windows, without the compiler's runtime DLLs beside them. Where Wine is
# installed, ctest runs the test programs with it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KAVRO_MINGW_TARGET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KAVRO_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KAVRO_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${KAVRO_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KAVRO_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(KAVRO_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(KAVRO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KAVRO_WINE})
endif()

# Cross-build for Windows with Debian's mingw-w64, through one of the two
# files that name the target: mingw-i686.cmake (32-bit) or
# mingw-x86_64.cmake (64-bit). Test executables run under Wine through
# tools/wine-run, which picks Wine's loader from each program's own type.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${PINTARO_MINGW_ARCH})

# The posix-threads variant: GCC 12's win32 variant has no std::thread or
# std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${PINTARO_MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${PINTARO_MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${PINTARO_MINGW_ARCH}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PINTARO_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in, so an executable imports only Windows' own DLLs and
# runs from a copied folder.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# One Wine prefix per build folder, made on first use.
get_filename_component(_pintaro_tools "${CMAKE_CURRENT_LIST_DIR}/../tools" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_pintaro_tools}/wine-run;--prefix;${CMAKE_BINARY_DIR}/wine")

# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads):
#   cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# Programs are linked statically, so TARVEL.exe and the test program need no
# MinGW DLL beside them; ctest runs them through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARVEL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARVEL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVEL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVEL_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARVEL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The math constants (M_PI and the like) that glibc declares in <cmath>:
# MinGW's headers hide them in strict C++ mode unless asked for.
set(CMAKE_CXX_FLAGS_INIT "-D_USE_MATH_DEFINES")

# Every executable static: the C and C++ runtimes and winpthread included.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(TARVEL_WINE NAMES wine wine64)
if(TARVEL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVEL_WINE})
endif()

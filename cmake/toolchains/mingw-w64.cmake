# Debian's mingw-w64 (g++-mingw-w64-x86-64-posix) builds the Windows program;
# Wine runs what the build produced, so ctest works as it does natively.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
find_program(RENNLUPE_WINE NAMES wine wine64)
if(RENNLUPE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${RENNLUPE_WINE})
endif()
# Everything static (libstdc++, libgcc, winpthread): the .exe needs only the DLLs Windows ships.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

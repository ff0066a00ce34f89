# Cross-builds the Windows program with mingw-w64 (x86_64) and runs its tests through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
# The -posix compilers carry std::thread and std::mutex, which GoogleTest needs.
find_program(CMAKE_C_COMPILER NAMES ${triple}-gcc-posix ${triple}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${triple}-g++-posix ${triple}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${triple}-windres REQUIRED)
find_program(QUIRE_OBJDUMP NAMES ${triple}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No runtime DLL beside the program: everything of GCC's runtime is linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CTest runs the cross-built tests through Wine (run_in_wine.sh starts again a Wine that failed to
# start, and says so in wine-restarts.log); scripts/test-win32 prepares the prefix.
find_program(QUIRE_WINE NAMES wine wine64)
find_program(QUIRE_BASH bash)
if(QUIRE_WINE AND QUIRE_BASH)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${QUIRE_BASH} ${CMAKE_CURRENT_LIST_DIR}/../tests/platform/win32/run_in_wine.sh
      ${CMAKE_BINARY_DIR}/wine-restarts.log ${QUIRE_WINE})
endif()
